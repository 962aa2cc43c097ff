#pragma once

#include <QObject>
#include <QPageLayout>
#include <QString>

class QWebEnginePage;
class QWebEngineProfile;

/**
 * Turns an HTML file into an A4 PDF in the background: the file is loaded
 * into a hidden web page and printed with printToPdf. finished(bool) reports
 * the outcome; a page that failed to load is never printed, and the PDF is
 * written atomically, so a failure leaves any earlier file at the target alone.
 *
 * The page runs no script and keeps no profile data on disk.
 *
 * The input file is deleted once it has been loaded (it is a working copy).
 * The application object must exist (with Qt::AA_ShareOpenGLContexts set
 * before it was created), and the generator must be deleted before it goes.
 */
class GenPDFfromHTML : public QObject
{
    Q_OBJECT
public:
    GenPDFfromHTML(const QString &inputPath, const QString &outputPath, QObject *parent = nullptr);
    ~GenPDFfromHTML() override;

    /** A4 portrait, margins 0.6 in (bottom 0.7 in), minimum margins 0. */
    static QPageLayout pageLayout();

    /** Whether a finished PDF is opened in the desktop's viewer (default true). */
    void setOpenWhenDone(bool open) { m_openWhenDone = open; }

    /** Starts loading; the result arrives through finished(). */
    void start();

    const QString &inputPath() const { return m_inputPath; }
    const QString &outputPath() const { return m_outputPath; }
    /** Why the last run failed (empty after a success). */
    const QString &errorString() const { return m_error; }
    /** The hidden page (script off, off-the-record profile). */
    QWebEnginePage *page() const { return m_page; }

signals:
    void finished(bool success);

public slots:
    void loadFinished(bool ok);
    void pdfPrintingFinished(const QString &filePath, bool success);

private:
    void fail(const QString &message);

    QString m_inputPath;
    QString m_outputPath;
    QWebEngineProfile *m_profile = nullptr;
    QWebEnginePage *m_page = nullptr;
    QString m_error;
    QString m_writeError; ///< why the finished PDF could not be saved
    bool m_openWhenDone = true;
    bool m_loadHandled = false;
};
