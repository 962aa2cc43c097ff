#pragma once

// Answering modal windows (dialogs, message boxes, file dialogs) that the code
// under test opens with exec(). A modal window runs its own event loop, so the
// answer is scheduled before the call and polls until the window is there:
// a fixed delay loses the race on a busy machine.

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace qztest {

/**
 * Answers the modal windows that a call opens, one step per window, in order.
 * A step returns false while the window on top is not yet the one it wants.
 * The window that was modal when the driver was made is never answered: the
 * steps are for the windows that open after it.
 */
class ModalDriver : public QObject
{
public:
    using Step = std::function<bool(QWidget *)>;

    explicit ModalDriver(QList<Step> steps, QObject *parent = nullptr)
        : QObject(parent), m_steps(std::move(steps)), m_before(QApplication::activeModalWidget())
    {
        schedule();
    }

    bool done() const { return m_steps.isEmpty(); }

    /** Deletes the driver once its steps ran, or with a warning after @p ms. */
    void finishAlone(int ms)
    {
        m_alone = true;
        m_deadline.setRemainingTime(ms);
    }

private:
    // A fresh single shot per tick: a repeating timer would not fire again
    // while a step sits in a nested dialog of its own.
    void schedule() { QTimer::singleShot(10, this, [this] { tick(); }); }

    void tick()
    {
        // Never while a step runs: its nested dialog ticks here too.
        if (m_alone && !m_inStep && (done() || m_deadline.hasExpired())) {
            if (!done())
                qWarning("the expected modal window never appeared");
            deleteLater();
            return;
        }
        schedule();
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == m_before || m_steps.isEmpty()) {
            m_unexpected = 0;
            return;
        }
        // The step may open the next window itself (the overwrite question
        // inside the file dialog's accept): it is off the list meanwhile.
        const Step step = m_steps.takeFirst();
        const QString title = w->windowTitle();
        const QPointer<QWidget> guard(w);
        m_inStep = true;
        const bool answered = step(w);
        m_inStep = false;
        if (answered) {
            m_unexpected = 0;
            // A step that failed half-way must not leave the test waiting on
            // its window. (Only then: a closed dialog may be shown again later.)
            if (guard && guard->isVisible()) {
                QTimer::singleShot(10000, [guard] {
                    if (guard && guard->isVisible())
                        guard->close();
                });
            }
            return;
        }
        m_steps.prepend(step);
        if (++m_unexpected > 300) {
            // A window nobody expected: note it and close it rather than hang.
            auto *box = qobject_cast<QMessageBox *>(w);
            qWarning("unexpected dialog %s \"%s\" %s", w->metaObject()->className(), qPrintable(title),
                     box ? qPrintable(box->text()) : "");
            w->close();
            m_unexpected = 0;
        }
    }

    QList<Step> m_steps;
    QPointer<QWidget> m_before;
    QDeadlineTimer m_deadline;
    bool m_alone = false;
    bool m_inStep = false;
    int m_unexpected = 0;
};

/** Runs @p step on the next modal windows until it returns true. */
inline void whenModalStep(ModalDriver::Step step, int timeoutMs = 30000)
{
    // Owned by the application: a test may end before the driver's last tick.
    auto *driver = new ModalDriver({std::move(step)}, QCoreApplication::instance());
    driver->finishAlone(timeoutMs);
}

/**
 * Runs @p act on the next modal window of kind @p T once it is visible. The
 * test fails with a warning when none appears within @p timeoutMs.
 */
template <class T = QWidget>
void whenModal(std::function<void(T *)> act, int timeoutMs = 30000)
{
    whenModalStep([act](QWidget *w) {
        T *t = qobject_cast<T *>(w);
        if (!t)
            return false;
        act(t);
        return true;
    }, timeoutMs);
}

/**
 * A step that types @p path into a file dialog and accepts it; a relative
 * name stays in the folder the dialog opened in. @p seen gets the dialog
 * first, as it opened. The step is retried until the dialog closed.
 */
inline ModalDriver::Step answerFileDialog(const QString &path, std::function<void(QFileDialog *)> seen = {})
{
    return [path, seen](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        if (!dlg)
            return false;
        if (!dlg->property("qzSeen").toBool()) {
            dlg->setProperty("qzSeen", true);
            if (seen)
                seen(dlg);
        }
        // Typed as a user would (selectFile() leaves a focused name field alone).
        const QFileInfo target(path);
        if (target.isAbsolute())
            dlg->setDirectory(target.absolutePath());
        auto *name = dlg->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name)
            return false;
        name->setText(target.isAbsolute() ? target.fileName() : path);
        static_cast<QDialog *>(dlg)->accept();
        // Still open when the dialog cleared the name while reading its folder.
        return !dlg->isVisible();
    };
}

/** Presses the button labelled @p button (a '&' ignored) on the next modal window. */
inline void answerNextDialog(const QString &button)
{
    whenModal<QWidget>([button](QWidget *w) {
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (b->isVisible() && b->text().remove(QLatin1Char('&')) == button) {
                b->click();
                return;
            }
        }
        qWarning("the dialog \"%s\" has no button \"%s\"", qPrintable(w->windowTitle()), qPrintable(button));
        w->close();
    });
}

/** A step that keeps the text of a message box in @p text and accepts it. */
inline ModalDriver::Step messageStep(QString *text)
{
    return [text](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        *text = box->text();
        box->accept();
        return true;
    };
}

/** Keeps the text of the next message box in @p text and accepts it. */
inline void catchMessage(QString *text)
{
    whenModalStep(messageStep(text));
}

} // namespace qztest
