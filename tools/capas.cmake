# Holds each file of every layer to the headers of its own library and of the
# libraries it links, directly or through the ones it links. Every library
# sees all of src/, so an upward include compiles, and one that uses a header
# alone links too; only this check stops it.
#   cmake -DGRAFO=<build>/capas.cmake -DRAIZ=<source folder> -P tools/capas.cmake
# GRAFO is written by the configure step: the targets that compile, as
# `capas`, and for each one the files under RAIZ it is built from, its links,
# its include paths and the libraries whose headers alone it may include; and
# the build folder, whose files are the build's.
cmake_minimum_required(VERSION 3.25)
include(${GRAFO})

foreach(capa IN LISTS capas)
  foreach(archivo IN LISTS capa_${capa}_archivos)
    list(APPEND duenos_${archivo} ${capa})
  endforeach()
endforeach()

# What a layer may include: its own, what it links, what those link; and the
# headers alone of the libraries it names, as a plugin names the one that
# loads it and is never linked to it.
foreach(capa IN LISTS capas)
  set(alcance_${capa} ${capa})
  set(pendientes ${capa_${capa}_enlaces})
  while(pendientes)
    list(POP_FRONT pendientes enlace)
    # CMake links static libraries in a cycle without a word.
    if(enlace STREQUAL capa)
      message(FATAL_ERROR "${capa} links itself through the libraries it links")
    endif()
    if(enlace IN_LIST capas AND NOT enlace IN_LIST alcance_${capa})
      list(APPEND alcance_${capa} ${enlace})
      list(APPEND pendientes ${capa_${enlace}_enlaces})
    endif()
  endwhile()
  list(APPEND alcance_${capa} ${capa_${capa}_cabeceras})
endforeach()

set(faltas)
foreach(capa IN LISTS capas)
  # A header of no layer is compiled as part of each one that includes it.
  set(pendientes ${capa_${capa}_archivos})
  set(leidos ${pendientes})
  while(pendientes)
    list(POP_FRONT pendientes nombre)
    cmake_path(GET nombre PARENT_PATH carpeta)
    file(STRINGS ${RAIZ}/${nombre} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(linea IN LISTS lineas)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" incluido "${linea}")
      # Found as the compiler finds it: beside the file, then on the paths.
      set(encontrado)
      set(rutas ${RAIZ}/${carpeta} ${capa_${capa}_rutas})
      foreach(ruta IN LISTS rutas)
        if(EXISTS ${ruta}/${incluido})
          cmake_path(SET encontrado NORMALIZE ${ruta}/${incluido})
          break()
        endif()
      endforeach()
      if(NOT encontrado)
        continue()
      endif()
      file(RELATIVE_PATH suyo ${RAIZ} ${encontrado})
      if(NOT DEFINED duenos_${suyo})
        # What the build makes (moc's output) and what lies outside the tree
        # (Qt's, the system's) are no layer's business.
        set(construido FALSE)
        if(construccion)
          cmake_path(IS_PREFIX construccion ${encontrado} construido)
        endif()
        if(NOT construido AND NOT suyo MATCHES "^[.][.]/" AND NOT suyo IN_LIST leidos)
          list(APPEND leidos ${suyo})
          list(APPEND pendientes ${suyo})
        endif()
        continue()
      endif()
      # A file of several layers (a plugin's interface, a source built into
      # two targets) is reached through any one of them.
      set(fuera ${duenos_${suyo}})
      list(REMOVE_ITEM fuera ${alcance_${capa}})
      if(fuera STREQUAL duenos_${suyo})
        list(JOIN fuera " and " otras)
        list(APPEND faltas "${nombre} includes \"${incluido}\" of ${otras}, which ${capa} does not link")
      endif()
    endforeach()
  endwhile()
endforeach()

if(faltas)
  list(JOIN faltas "\n" texto)
  list(LENGTH faltas cuantas)
  message("${texto}")
  message(FATAL_ERROR "${cuantas} includes reach past their layer")
endif()
