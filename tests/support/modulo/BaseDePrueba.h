#pragma once

#include "support/BaseDemo.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

// A fresh module over the demo databases, with prompts scripted; the module
// is reset before and after each test.
class BaseDePrueba : public ::testing::Test, public BaseDemo {
protected:
    void SetUp() override;
    void TearDown() override;

    // The command line the suite's menu would pass for this database.
    QString lineaComando(const QString& usuario = QStringLiteral("demo")) const;
    // The whole start-up, as the main window runs it.
    bool inicia(const QString& usuario = QStringLiteral("demo"));
    // Only the main connection, without the rest of the start-up.
    void conectaPrincipal(const QString& usuario = QStringLiteral("demo"));

    ConDialogosGuionados dialogos;
};
