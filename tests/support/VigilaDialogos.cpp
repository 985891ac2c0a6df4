#include "support/VigilaDialogos.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QEvent>

bool VigilaDialogos::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* dialogo = qobject_cast<QDialog*>(objeto);
    if (evento->type() == QEvent::Show && dialogo && dialogo->isWindow()) {
        ADD_FAILURE() << "a real dialog opened: \"" << dialogo->windowTitle().toStdString() << "\" "
                      << dialogo->property("text").toString().toStdString();
        // Its own event loop is not running yet while it is being shown.
        QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
}
