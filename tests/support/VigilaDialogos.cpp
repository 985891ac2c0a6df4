#include "support/VigilaDialogos.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QEvent>
#include <QProgressDialog>

bool VigilaDialogos::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* dialogo = qobject_cast<QDialog*>(objeto);
    // A wait window asks nothing of a person and closes by itself.
    if (evento->type() == QEvent::Show && dialogo && dialogo->isWindow() && !qobject_cast<QProgressDialog*>(dialogo)) {
        ADD_FAILURE() << "a real dialog opened: \"" << dialogo->windowTitle().toStdString() << "\" "
                      << dialogo->property("text").toString().toStdString();
        // Its own event loop is not running yet while it is being shown.
        QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
}
