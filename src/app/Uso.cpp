#include "app/Uso.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* TextoUso =
    "Uso: escaneo \"@Clave=valor;@Clave=valor;...\"\n"
    "\n"
    "Un solo argumento hecho de pares @Clave=valor; (las claves se buscan en cualquier lugar de la\n"
    "línea y sin distinguir mayúsculas):\n"
    "  @Server              sqlite para la base embebida; si no, el servidor SQL Server por ODBC\n"
    "                       (con # delante, Oracle, con @DbName como origen de datos)\n"
    "  @DbName              la base de datos; con sqlite, la ruta de su archivo desde la carpeta actual\n"
    "  @Usuario             el usuario de la base de datos\n"
    "  @Password            su contraseña\n"
    "  @UsuarioLogeado      el usuario que entró al menú del sistema\n"
    "  @ParametroAdicional  entradas Clave:valor|; Opcion:Cuenta<cuenta>,Cpte<tipo y número>,Accion<1|2>|\n"
    "                       elige el inicio: 1 escanea para ese comprobante, 2 abre la ventana chica de\n"
    "                       escaneo, otra cosa la ventana completa con la búsqueda\n"
    "  @Menu                la entrada del menú del sistema\n"
    "  @Caja                la caja, 1 si falta\n"
    "\n"
    "Ejemplo (la demostración, en build/demo):\n"
    "  escaneo \"@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;@UsuarioLogeado=demo;"
    "@Menu=ESCANEO;@Caja=1;@ParametroAdicional=Opcion:Cuenta,Cpte,Accion|;\"\n";

}  // namespace

std::optional<int> FinPorUso(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(TextoUso, stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(TextoUso, stdout);
        return 0;
    }
    return std::nullopt;
}
