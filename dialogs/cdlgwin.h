#pragma once

#include <QDialog>

/**
 * Base of every dialog host ("...Win"): Escape, Return and Enter do nothing,
 * so only the content's own buttons (or the window's close button) answer.
 */
class CDlgWin : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgWin(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
