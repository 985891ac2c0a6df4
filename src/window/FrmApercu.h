#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A preview of the picture on the clipboard, stretched to its image.
class FrmApercu : public QWidget {
    Q_OBJECT
public:
    explicit FrmApercu(QWidget* padre = nullptr);

    void Form_Load();
    // Ends the whole program, as the main window's "Salir" does.
    void cmdQuit_Click();

    QLabel* I;
    QPushButton* cmdQuit;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    bool cargada_ = false;
};
