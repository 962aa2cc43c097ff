#include "dialogs/cdlgwin.h"

#include <QKeyEvent>

CDlgWin::CDlgWin(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CDlgWin::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Swallowed here: ignoring would hand the key on to the owner window.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
