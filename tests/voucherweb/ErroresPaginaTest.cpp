#include "PaginaDemo.h"

#include "platform/dialogs/Dialogos.h"
#include "voucherweb/GeneraPagina.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <memory>

// The writers' error handler: the error dialog with "Generar"; Retry runs
// the failed section again, Ignore goes on with the next, anything else
// ends the page where it stands.

namespace {

// The operator who, before answering, puts right what failed (as a person
// would between two tries).
class DialogosQueReparan : public DialogosGuionados {
public:
    std::function<void()> repara;
    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override
    {
        if (repara)
            repara();
        return DialogosGuionados::MsgBox(mensaje, botones, titulo);
    }
};

bool contiene(const QStringList& pagina, const char* texto)
{
    return pagina.join(u'\n').contains(QLatin1String(texto));
}

}

TEST_F(PaginaDemo, IgnoreGoesOnWithTheNextSection)
{
    ejecuta(QStringLiteral("DROP TABLE V_MV_CPTETAREAS"));
    dialogos->responde(Resultado::Ignorar);
    const QStringList p = venta("FC", "0001", "00000013", "A");
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].botones, 18);
    EXPECT_TRUE(dialogos->avisos[0].titulo.contains(QStringLiteral(" - Generar")));
    EXPECT_TRUE(contiene(p, "<B>INSUMOS</B>"));
    EXPECT_FALSE(contiene(p, "<B>TAREAS</B>"));
    EXPECT_TRUE(contiene(p, "<B>OBSERVACIONES</B>"));
    EXPECT_EQ(p.last(), QStringLiteral("</body></html>"));
}

TEST_F(PaginaDemo, AFailedSectionLeavesNoHalfOfItself)
{
    // The seller's lookup comes last in the header block.
    ejecuta(QStringLiteral("DROP TABLE V_TA_VENDEDORES"));
    dialogos->responde(Resultado::Ignorar);
    const QStringList p = venta("FC", "0001", "00000013", "A");
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_FALSE(contiene(p, "Sr/s.:"));
    EXPECT_FALSE(contiene(p, "Domicilio:"));
    EXPECT_TRUE(p[3].contains(QStringLiteral("<B>INSUMOS</B>")));
}

TEST_F(PaginaDemo, RetryRunsTheFailedSectionAgain)
{
    ejecuta(QStringLiteral("ALTER TABLE V_MV_CPTETAREAS RENAME TO TAREAS_APARTE"));
    auto propios = std::make_unique<DialogosQueReparan>();
    DialogosQueReparan& operador = *propios;
    std::unique_ptr<Dialogos> anteriores = instalaDialogos(std::move(propios));
    operador.repara = [&] { ejecuta(QStringLiteral("ALTER TABLE TAREAS_APARTE RENAME TO V_MV_CPTETAREAS")); };
    operador.responde(Resultado::Reintentar);
    const bool escrita = GeneraPaginaVenta(ruta, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000013"),
                                           QStringLiteral("A"), true);
    const std::unique_ptr<Dialogos> devueltos = instalaDialogos(std::move(anteriores));
    EXPECT_TRUE(escrita);
    EXPECT_EQ(operador.avisos.size(), 1u);
    EXPECT_TRUE(contiene(lineas(ruta), "<TD CLASS=TableROWDetalle>   T01 </TD>"));
}

TEST_F(PaginaDemo, AnyOtherAnswerEndsThePageAsFarAsItWasWritten)
{
    ejecuta(QStringLiteral("DROP TABLE MV_APLICACION"));
    dialogos->responde(Resultado::Reintentar).responde(Resultado::Abortar);
    const QStringList p = venta("FC", "0001", "00000013", "A");
    EXPECT_EQ(dialogos->avisos.size(), 2u) << "the retry failed again";
    EXPECT_TRUE(p.last().endsWith(QStringLiteral("</table> <hr HEIGHT=3 NOSHADE>"))) << "the totals were the last section";
    EXPECT_FALSE(contiene(p, "HISTORIAL"));
    EXPECT_FALSE(contiene(p, "</body></html>"));
}

TEST_F(PaginaDemo, APageThatCannotBeSavedIsNotWritten)
{
    QDir().mkpath(ruta);
    dialogos->responde(Resultado::Abortar);
    EXPECT_FALSE(GeneraPaginaVenta(ruta, QStringLiteral("FC"), QStringLiteral("0001"), QStringLiteral("00000013"),
                                   QStringLiteral("A"), true));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(ruta));
    EXPECT_TRUE(QFileInfo(ruta).isDir());
}
