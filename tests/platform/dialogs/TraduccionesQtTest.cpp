#include "platform/dialogs/TraduccionesQt.h"
#include "support/ParteReal.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>

// The file chooser and the standard buttons come out in Spanish.
TEST(CargaTraduccionesQt, QtsOwnDialogsSpeakSpanish)
{
    EXIGE_PARTE_REAL(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"),
                     "faltan las traducciones de Qt: instale qt6-translations-l10n");
    CargaTraduccionesQt();

    QDialogButtonBox botones(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancelar");
    QFileDialog elector;
    elector.setOption(QFileDialog::DontUseNativeDialog);
    QStringList textos;
    for (const QLabel* etiqueta : elector.findChildren<QLabel*>())
        textos << etiqueta->text();
    EXPECT_TRUE(textos.contains("Ver en:")) << textos.join(" | ").toStdString();
}
