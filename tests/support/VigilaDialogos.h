#pragma once

#include <QObject>

// Watches the whole application for a real dialog, which only a path around
// the dialogs interface can open in a test: it fails the running test and is
// closed at once, instead of waiting offscreen for a person. The wait window
// waits for nobody and may show.
class VigilaDialogos : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};
