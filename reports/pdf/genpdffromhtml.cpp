#include "reports/pdf/genpdffromhtml.h"

#include "engine/atomicwrite.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QPointer>
#include <QMarginsF>
#include <QPageSize>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

GenPDFfromHTML::GenPDFfromHTML(const QString &inputPath, const QString &outputPath, QObject *parent)
    : QObject(parent)
    , m_inputPath(inputPath)
    , m_outputPath(outputPath)
    , m_profile(new QWebEngineProfile) // no storage name: off the record, nothing kept on disk
    , m_page(new QWebEnginePage(m_profile)) // no parent: it is deleted with the generator
{
    // Reports carry text from shared layout files; nothing in them needs script.
    m_page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    const bool connected = connect(m_page, SIGNAL(loadFinished(bool)), this, SLOT(loadFinished(bool)));
    Q_ASSERT(connected);
    Q_UNUSED(connected);
}

GenPDFfromHTML::~GenPDFfromHTML()
{
    delete m_page;
    delete m_profile;
}

QPageLayout GenPDFfromHTML::pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.6, 0.6, 0.6, 0.7),
                       QPageLayout::Inch, QMarginsF(0, 0, 0, 0));
}

void GenPDFfromHTML::start()
{
    m_error.clear();
    m_loadHandled = false;
    m_page->load(QUrl::fromUserInput(m_inputPath));
}

void GenPDFfromHTML::fail(const QString &message)
{
    m_error = message;
    qDebug().noquote() << message;
    emit finished(false);
}

void GenPDFfromHTML::loadFinished(bool ok)
{
    // A page may report more than once (for instance after a script navigates).
    if (m_loadHandled)
        return;
    m_loadHandled = true;
    QFile::remove(m_inputPath);
    if (!ok) {
        fail(QStringLiteral("failed to load URL"));
        return;
    }
    qDebug().noquote() << "Loaded HTML to webengine. Printing to" << m_outputPath;
    // Print into memory and write the file ourselves: atomically, and with the
    // user's usual file permissions rather than the engine's private ones.
    const QString target = m_outputPath;
    QPointer<GenPDFfromHTML> self(this);
    m_page->printToPdf(
        [self, target](const QByteArray &pdf) {
            if (!self)
                return;
            QString reason = QStringLiteral("the web engine returned no PDF");
            const bool written =
                pdf.startsWith("%PDF-") && atomicwrite::saveFileAtomically(target, pdf, &reason);
            self->m_writeError = written ? QString() : reason;
            self->pdfPrintingFinished(target, written);
        },
        pageLayout());
}

void GenPDFfromHTML::pdfPrintingFinished(const QString &filePath, bool success)
{
    if (!success) {
        fail(m_writeError.isEmpty() ? QStringLiteral("failed to print to output file '%1'").arg(filePath)
                                    : QStringLiteral("failed to print to output file '%1': %2").arg(filePath, m_writeError));
        return;
    }
    qDebug().noquote() << "Print finished";
    if (m_openWhenDone)
        QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
    emit finished(true);
}
