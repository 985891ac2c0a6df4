# Holds each file of every layer to the headers of its own library and of the
# libraries it links, directly or through the ones it links. Every library
# sees all of src/, so an upward include compiles, and one that uses a header
# alone links too; only this check stops it.
#   cmake -DGRAFO=<build>/capas.cmake -DRAIZ=<source folder> -P tools/capas.cmake
# GRAFO is written by the configure step: the layers as `capas`, and for each
# one its folders under RAIZ, its links, its include paths and, for a plugin,
# the folder of the interface it implements.
cmake_minimum_required(VERSION 3.25)
include(${GRAFO})

foreach(capa IN LISTS capas)
  foreach(carpeta IN LISTS capa_${capa}_carpetas)
    if(DEFINED dueno_${carpeta})
      message(FATAL_ERROR "${carpeta} belongs to both ${dueno_${carpeta}} and ${capa}")
    endif()
    set(dueno_${carpeta} ${capa})
  endforeach()
endforeach()

# What a layer may include: its own, what it links, what those link; and for
# a plugin the library of its interface alone, which loads it and is never
# linked to it.
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
  if(capa_${capa}_interfaz)
    list(APPEND alcance_${capa} ${dueno_${capa_${capa}_interfaz}})
  endif()
endforeach()

set(faltas)
foreach(capa IN LISTS capas)
  foreach(carpeta IN LISTS capa_${capa}_carpetas)
    file(GLOB archivos ${RAIZ}/${carpeta}/*.cpp ${RAIZ}/${carpeta}/*.h)
    foreach(archivo IN LISTS archivos)
      file(RELATIVE_PATH nombre ${RAIZ} ${archivo})
      file(STRINGS ${archivo} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
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
        # What the build makes (moc's output) and what no layer holds
        # (Qt's, the system's) are no layer's business.
        if(NOT encontrado)
          continue()
        endif()
        file(RELATIVE_PATH suyo ${RAIZ} ${encontrado})
        cmake_path(GET suyo PARENT_PATH carpeta_suya)
        set(otra ${dueno_${carpeta_suya}})
        if(otra AND NOT otra IN_LIST alcance_${capa})
          list(APPEND faltas "${nombre} includes \"${incluido}\" of ${otra}, which ${capa} does not link")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(faltas)
  list(JOIN faltas "\n" texto)
  list(LENGTH faltas cuantas)
  message("${texto}")
  message(FATAL_ERROR "${cuantas} includes reach past their layer")
endif()
