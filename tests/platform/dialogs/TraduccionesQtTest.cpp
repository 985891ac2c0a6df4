#include "platform/dialogs/TraduccionesQt.h"
#include "support/ParteReal.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>

TEST(CargaTraduccionesQt, TheFileChooserAndTheStandardButtonsSpeakSpanish)
{
    EXIGE_PARTE_REAL(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"),
                     "faltan las traducciones de Qt: instale qt6-translations-l10n");
    CargaTraduccionesQt();
    QDialogButtonBox botones(QDialogButtonBox::Cancel);
    EXPECT_EQ(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancelar");
    QFileDialog elector;
    elector.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(elector.findChild<QLabel*>("lookInLabel")->text(), "Ver en:");
}
