#include "dialogs/ccolordialog.h"

#include "dialogs/cmodlabel.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kBasicColumns = 8;
constexpr int kPreviewW = 200;
constexpr int kPreviewH = 150;

// Eight hues in five shades, and a grey row.
QVector<QColor> basicColours()
{
    static const int hues[kBasicColumns] = {0, 30, 60, 120, 180, 210, 270, 320};
    static const int shades[5][2] = {{90, 255}, {170, 255}, {255, 255}, {255, 180}, {255, 110}};
    QVector<QColor> out;
    for (const auto &shade : shades)
        for (int h : hues)
            out.append(QColor::fromHsv(h, shade[0], shade[1]));
    for (int i = 0; i < kBasicColumns; ++i) {
        const int g = 255 - i * 255 / (kBasicColumns - 1);
        out.append(QColor(g, g, g));
    }
    return out;
}

}  // namespace

CColorDialog::CColorDialog(const QColor &color, Variant variant, const CTheme *theme, QWidget *parent)
    : QDialog(parent), m_variant(variant)
{
    setWindowTitle(variant == Background ? QStringLiteral("Background") : QStringLiteral("Color"));
    auto *top = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    top->addLayout(left);
    buildColourPart();
    auto *specRow = new QHBoxLayout;
    specRow->addWidget(m_spectrum);
    specRow->addWidget(m_valueStrip);
    specRow->addStretch();
    left->addLayout(specRow);
    auto *basicBox = new QGridLayout;
    basicBox->setSpacing(3);
    for (int i = 0; i < m_basic.size(); ++i)
        basicBox->addWidget(m_basic[i], i / kBasicColumns, i % kBasicColumns);
    left->addWidget(new QLabel(QStringLiteral("Basic colors"), this));
    left->addLayout(basicBox);
    left->addStretch();

    auto *right = new QVBoxLayout;
    top->addLayout(right);
    right->addLayout(m_spinGrid);
    auto *previewRow = new QHBoxLayout;
    previewRow->addWidget(new QLabel(QStringLiteral("Preview"), this));
    previewRow->addWidget(m_preview, 1);
    right->addLayout(previewRow);
    if (variant == Background) {
        buildBackgroundPart();
        auto *box = new QGroupBox(QStringLiteral("Image"), this);
        auto *g = new QGridLayout(box);
        g->addWidget(m_addImage, 0, 0);
        g->addWidget(m_openFile, 0, 1);
        g->addWidget(m_ownSize, 1, 0);
        g->addWidget(m_fitSize, 1, 1);
        g->addWidget(m_imagePreview, 2, 0, 1, 2, Qt::AlignCenter);
        right->addWidget(box);
    }
    right->addStretch();
    auto *buttons = new QHBoxLayout;
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    right->addLayout(buttons);

    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(slotOk()));
    qz::checkedConnect(m_cancel, SIGNAL(clicked()), this, SLOT(slotCancel()));
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    setColor(color.isValid() ? color : QColor(Qt::white));
}

QSpinBox *CColorDialog::spin(const QString &label, int max, int row, int col)
{
    auto *l = new QLabel(label, this);
    auto *s = new QSpinBox(this);
    s->setRange(0, max);
    s->setAccessibleName(label);
    l->setBuddy(s);
    m_spinGrid->addWidget(l, row, col * 2);
    m_spinGrid->addWidget(s, row, col * 2 + 1);
    return s;
}

void CColorDialog::buildColourPart()
{
    const QSize sz = spectrumSize();
    m_spectrumBase = QImage(sz, QImage::Format_RGB32);
    for (int y = 0; y < sz.height(); ++y)
        for (int x = 0; x < sz.width(); ++x)
            m_spectrumBase.setPixelColor(
                x, y,
                QColor::fromHsv(x * 359 / (sz.width() - 1), 255 - y * 255 / (sz.height() - 1), 255));

    m_spectrum = new CModLabel(this);
    m_spectrum->setFixedSize(sz);
    m_spectrum->setAccessibleName(QStringLiteral("Spectrum"));
    m_spectrum->setToolTip(QStringLiteral("Hue and saturation"));
    m_valueStrip = new CModLabel(this);
    m_valueStrip->setFixedSize(20, sz.height());
    m_valueStrip->setAccessibleName(QStringLiteral("Value"));
    m_valueStrip->setToolTip(QStringLiteral("Value"));
    qz::checkedConnect(m_spectrum, SIGNAL(signalClick(QPoint)), this, SLOT(slotClickSpector(QPoint)));
    qz::checkedConnect(m_valueStrip, SIGNAL(signalClick(QPoint)), this, SLOT(slotClickSpectorLine(QPoint)));

    for (const QColor &c : basicColours()) {
        auto *sw = new CModLabel(this);
        sw->setFixedSize(22, 18);
        sw->setAlignment(Qt::AlignCenter);
        sw->setSwatchColor(c);
        qz::checkedConnect(sw, SIGNAL(signalClick(QColor&)), this, SLOT(slotSelBasicColor(QColor&)));
        m_basic.append(sw);
    }

    m_spinGrid = new QGridLayout;
    m_hue = spin(QStringLiteral("Hue:"), 359, 0, 0);
    m_sat = spin(QStringLiteral("Sat:"), 255, 1, 0);
    m_val = spin(QStringLiteral("Val:"), 255, 2, 0);
    m_red = spin(QStringLiteral("Red:"), 255, 0, 1);
    m_green = spin(QStringLiteral("Green:"), 255, 1, 1);
    m_blue = spin(QStringLiteral("Blue:"), 255, 2, 1);
    for (QSpinBox *s : {m_hue, m_sat, m_val})
        qz::checkedConnect(s, SIGNAL(valueChanged(int)), this, SLOT(slotStHSV()));
    for (QSpinBox *s : {m_red, m_green, m_blue})
        qz::checkedConnect(s, SIGNAL(valueChanged(int)), this, SLOT(slotStRGB()));

    m_preview = new QLabel(this);
    m_preview->setMinimumSize(60, 28);
    m_preview->setAccessibleName(QStringLiteral("Preview"));
}

void CColorDialog::buildBackgroundPart()
{
    m_addImage = new QCheckBox(QStringLiteral("Add Image"), this);
    m_openFile = new QPushButton(QStringLiteral("Open File"), this);
    m_ownSize = new QCheckBox(QStringLiteral("Own Size"), this);
    m_fitSize = new QCheckBox(QStringLiteral("Fit Size"), this);
    m_imagePreview = new QLabel(this);
    m_imagePreview->setFixedSize(kPreviewW, kPreviewH);
    m_imagePreview->setAlignment(Qt::AlignCenter);
    m_imagePreview->setAccessibleName(QStringLiteral("Image preview"));
    m_imagePreview->setFrameShape(QFrame::Box);
    qz::checkedConnect(m_addImage, SIGNAL(toggled(bool)), this, SLOT(slotAddImage(bool)));
    qz::checkedConnect(m_openFile, SIGNAL(clicked()), this, SLOT(slotLoadImage()));
    qz::checkedConnect(m_ownSize, SIGNAL(toggled(bool)), this, SLOT(OnOwnSize(bool)));
    qz::checkedConnect(m_fitSize, SIGNAL(toggled(bool)), this, SLOT(OnFitSize(bool)));
    slotAddImage(false);
}

void CColorDialog::setBackground(const QImage &image, int mode)
{
    if (m_variant != Background)
        return;
    m_image = image;
    {
        const QSignalBlocker b1(m_ownSize);
        const QSignalBlocker b2(m_fitSize);
        m_ownSize->setChecked(mode == ModeImageOwnSize || mode == ModeColourOwnSize);
        m_fitSize->setChecked(mode == ModeImageFit || mode == ModeColourFit);
    }
    m_addImage->setChecked(!image.isNull() && (mode == ModeImageOwnSize || mode == ModeImageFit));
    slotAddImage(m_addImage->isChecked());
    slotSetImage();
}

QColor CColorDialog::color() const
{
    QColor c = QColor::fromHsv(m_h, m_s, m_v).toRgb();
    c.setAlpha(255);
    return c;
}

void CColorDialog::setColor(const QColor &color)
{
    const QColor hsv = color.toHsv();
    m_h = hsv.hsvHue() < 0 ? 0 : hsv.hsvHue();
    m_s = hsv.hsvSaturation();
    m_v = hsv.value();
    refresh();
}

void CColorDialog::refresh()
{
    m_updating = true;
    const QColor c = color();
    m_hue->setValue(m_h);
    m_sat->setValue(m_s);
    m_val->setValue(m_v);
    m_red->setValue(c.red());
    m_green->setValue(c.green());
    m_blue->setValue(c.blue());
    m_updating = false;
    m_preview->setStyleSheet(QStringLiteral("background-color : rgb(%1, %2, %3); border-width: 1px; "
                                            "border-style: solid; border-color: #000000;")
                                 .arg(c.red())
                                 .arg(c.green())
                                 .arg(c.blue()));
    paintSpectrum();
    paintValueStrip();
}

void CColorDialog::paintSpectrum()
{
    const QSize sz = spectrumSize();
    QPixmap pm = QPixmap::fromImage(m_spectrumBase);
    QPainter p(&pm);
    const int x = m_h * (sz.width() - 1) / 359;
    const int y = (255 - m_s) * (sz.height() - 1) / 255;
    // Black and white rings stay visible on every hue.
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QPoint(x, y), 5, 5);
    p.setPen(QPen(Qt::white, 1));
    p.drawEllipse(QPoint(x, y), 4, 4);
    p.end();
    m_spectrum->setPixmap(pm);
}

void CColorDialog::paintValueStrip()
{
    const int h = spectrumSize().height();
    QImage img(20, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const QColor c = QColor::fromHsv(m_h, m_s, 255 - y * 255 / (h - 1));
        for (int x = 0; x < 20; ++x)
            img.setPixelColor(x, y, c);
    }
    QPainter p(&img);
    const int y = (255 - m_v) * (h - 1) / 255;
    p.setPen(QPen(m_v > 128 ? Qt::black : Qt::white, 2));
    p.drawLine(0, y, 19, y);
    p.end();
    m_valueStrip->setPixmap(QPixmap::fromImage(img));
}

void CColorDialog::slotClickSpector(QPoint pos)
{
    const QSize sz = spectrumSize();
    const int x = qBound(0, pos.x(), sz.width() - 1);
    const int y = qBound(0, pos.y(), sz.height() - 1);
    m_h = x * 359 / (sz.width() - 1);
    m_s = 255 - y * 255 / (sz.height() - 1);
    refresh();
}

void CColorDialog::slotClickSpectorLine(QPoint pos)
{
    const int h = spectrumSize().height();
    const int y = qBound(0, pos.y(), h - 1);
    m_v = 255 - y * 255 / (h - 1);
    refresh();
}

void CColorDialog::slotSelBasicColor(QColor &color)
{
    setColor(color);
}

void CColorDialog::slotStRGB()
{
    if (m_updating)
        return;
    const QColor c(m_red->value(), m_green->value(), m_blue->value());
    const int hue = c.hsvHue();
    // A grey has no hue: keep the one the user had.
    if (hue >= 0)
        m_h = hue;
    m_s = c.hsvSaturation();
    m_v = c.value();
    refresh();
}

void CColorDialog::slotStHSV()
{
    if (m_updating)
        return;
    m_h = qBound(0, m_hue->value(), 359);
    m_s = qBound(0, m_sat->value(), 255);
    m_v = qBound(0, m_val->value(), 255);
    refresh();
}

void CColorDialog::slotAddImage(bool on)
{
    if (!m_addImage)
        return;
    m_openFile->setEnabled(on);
    m_imagePreview->setEnabled(on);
    slotSetImage();
}

void CColorDialog::slotLoadImage()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open File"), QString(),
        QStringLiteral("Image Files (*.png *.jpg *.jpeg *.tiff *.tif *.bmp)"));
    if (path.isEmpty())
        return;
    if (!loadImageFile(path))
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
}

bool CColorDialog::loadImageFile(const QString &path)
{
    QImageReader reader(path);
    // Hostile files may claim enormous sizes; the chart caps pictures anyway.
    const QSize size = reader.size();
    if (size.isValid() && (qint64(size.width()) * size.height() > 64LL * 1024 * 1024))
        return false;
    QImage img = reader.read();
    if (img.isNull())
        return false;
    m_image = img;
    slotSetImage();
    return true;
}

void CColorDialog::slotSetImage()
{
    if (!m_imagePreview)
        return;
    if (m_image.isNull() || !m_addImage->isChecked()) {
        m_imagePreview->setPixmap(QPixmap());
        m_imagePreview->setText(m_image.isNull() ? QStringLiteral("No image") : QString());
        return;
    }
    QImage shown;
    if (m_fitSize->isChecked())
        shown = m_image.scaled(kPreviewW, kPreviewH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        shown = m_image.copy(0, 0, qMin(kPreviewW, m_image.width()), qMin(kPreviewH, m_image.height()));
    m_imagePreview->setPixmap(QPixmap::fromImage(shown));
}

void CColorDialog::OnOwnSize(bool on)
{
    if (on) {
        const QSignalBlocker b(m_fitSize);
        m_fitSize->setChecked(false);
    }
    slotSetImage();
}

void CColorDialog::OnFitSize(bool on)
{
    if (on) {
        const QSignalBlocker b(m_ownSize);
        m_ownSize->setChecked(false);
    }
    slotSetImage();
}

void CColorDialog::slotOk()
{
    int mode = ModeColour;
    if (m_variant == Background) {
        const bool add = m_addImage->isChecked();
        if (add && m_image.isNull()) {
            QMessageBox::information(this, QStringLiteral("Warning"), QStringLiteral("Image no selected"));
            return;
        }
        if (m_ownSize->isChecked())
            mode = add ? ModeImageOwnSize : ModeColourOwnSize;
        else if (m_fitSize->isChecked())
            mode = add ? ModeImageFit : ModeColourFit;
    }
    m_mode = mode;
    accept();
}

void CColorDialog::slotCancel()
{
    reject();
}

void CColorDialog::reject()
{
    m_mode = ModeCancelled;
    QDialog::reject();
}
