#include "reportedit/cimagepreview.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QFileDialog>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {
constexpr int kPreviewSide = 126;
constexpr int kCelebritySide = 460;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
}

CImagePreview::CImagePreview(QImage &image, int reportKind, const CTheme *theme, QWidget *parent)
    : QDialog(parent), m_slot(image), m_current(image), m_kind(reportKind)
{
    setWindowTitle(QStringLiteral("Image"));
    setFixedSize(400, 320);
    m_preview = new QLabel(this);
    m_preview->setGeometry((400 - kPreviewSide) / 2, 60, kPreviewSide, kPreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setAccessibleName(QStringLiteral("Picture"));
    const QString sheet = QStringLiteral("border: 1px solid #ffffff; font-size: 12px;");
    m_preview->setStyleSheet(theme ? theme->mapStyleText(sheet) : sheet);

    struct B {
        const char *text;
        const char *slot;
        int x, y;
    };
    const B buttons[] = {{"Open", SLOT(OnImage()), 60, 220},
                         {"Default", SLOT(OnDefImage()), 260, 220},
                         {"Ok", SLOT(OnOk()), 210, 280},
                         {"Cancel", SLOT(OnCancel()), 305, 280}};
    for (const B &b : buttons) {
        auto *w = new QPushButton(QString::fromLatin1(b.text), this);
        w->setGeometry(b.x, b.y, 80, 20);
        qz::checkedConnect(w, SIGNAL(clicked()), this, b.slot);
    }
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    showPicture();
}

QImage CImagePreview::fitPicture(const QImage &image, int reportKind)
{
    if (image.isNull())
        return image;
    if (reportKind == 3) {
        if (image.width() <= kCelebritySide && image.height() <= kCelebritySide)
            return image;
        return image.scaled(kCelebritySide, kCelebritySide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool CImagePreview::loadFile(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    // A header claiming a giant picture is refused before decoding.
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return false;
    const QImage img = reader.read();
    if (img.isNull())
        return false;
    m_current = fitPicture(img, m_kind);
    showPicture();
    return true;
}

void CImagePreview::showPicture()
{
    if (m_current.isNull()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(QStringLiteral("Default"));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(
        m_current.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CImagePreview::OnOk()
{
    m_slot = m_current;
    accept();
}

void CImagePreview::OnCancel()
{
    reject();
}

void CImagePreview::OnImage()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open File"), QString(),
                                                      QStringLiteral("Image Files (*.png *.jpg *.jpeg *.tiff *.tif *.bmp)"));
    if (path.isEmpty())
        return;
    if (!loadFile(path))
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Can't open file!"));
}

void CImagePreview::OnDefImage()
{
    m_current = QImage();
    showPicture();
}

void CImagePreview::keyPressEvent(QKeyEvent *event)
{
    // Only the buttons close the window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
