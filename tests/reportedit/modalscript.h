#pragma once

// Answers modal windows (prompts, message boxes, editors) that a click opens:
// waits until a window of the wanted kind is the active modal one, then acts.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class T>
void whenModal(std::function<void(T *)> act, int tries = 400)
{
    QTimer::singleShot(5, [act, tries] {
        T *w = qobject_cast<T *>(QApplication::activeModalWidget());
        if (w && w->isVisible()) {
            act(w);
            return;
        }
        if (tries > 0)
            whenModal<T>(act, tries - 1);
        else
            qWarning("no modal window of the expected kind appeared");
    });
}
