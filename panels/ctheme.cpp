#include "panels/ctheme.h"

#include "panels/cthemesheets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace {

struct ThemeDef {
    const char *name;
    int r, g, b;
    int valuePercent;
    bool keep;
};

// Menu order; the index is what the state file stores.
const ThemeDef kThemes[] = {
    {"Chocolate", 255, 255, 255, 0, true},
    {"Blue", 200, 220, 255, 0, false},
    {"Blue Sky", 99, 188, 249, 0, false},
    {"Lavender", 204, 185, 240, 0, false},
    {"Rose", 255, 213, 236, 0, false},
    {"Moss", 204, 237, 224, 0, false},
    {"Beige", 233, 213, 192, 0, false},
};

int hexDigit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads up to six hex digits; anything that is not purely hexadecimal is 0.
uint readHex(const QStringRef &digits)
{
    if (digits.isEmpty())
        return 0;
    uint v = 0;
    for (const QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return 0;
        v = v * 16 + uint(d);
    }
    return v;
}

}  // namespace

CTheme::CTheme(const QString &imageFolder, QObject *parent)
    : QObject(parent), m_imageFolder(imageFolder)
{
    if (!m_imageFolder.isEmpty() && !m_imageFolder.endsWith(QLatin1Char('/')))
        m_imageFolder += QLatin1Char('/');

    const QStringList base = qzBaseStyleSheets();
    for (const ThemeDef &d : kThemes) {
        Entry e;
        e.name = QString::fromLatin1(d.name);
        e.tint = QColor(d.r, d.g, d.b);
        e.valuePercent = d.valuePercent;
        e.keepColours = d.keep;
        for (int i = 0; i < SheetCount; ++i) {
            const QString sheet = base.value(i);
            e.sheets[size_t(i)] = e.keepColours
                ? sheet
                : mapStyleTextWith(sheet, e.tint, e.valuePercent, e.keepColours);
        }
        m_names << e.name;
        m_entries << e;
    }
    // The progress-bar sheet is taken once from the base and never recoloured.
    m_sheets[FixedSheet] = m_entries.first().sheets[FixedSheet];

    m_baseBackground.load(m_imageFolder + QStringLiteral("pmatrix-bg.png"));
    if (m_baseBackground.isNull()) {
        // Without the picture the grid still gets a calm backdrop.
        m_baseBackground = QImage(600, 290, QImage::Format_RGB32);
        QPainter p(&m_baseBackground);
        QLinearGradient g(0, 0, 0, 290);
        g.setColorAt(0, QColor(0x3a, 0x2f, 0x29));
        g.setColorAt(1, QColor(0x2c, 0x24, 0x20));
        p.fillRect(m_baseBackground.rect(), g);
    }
    selectTheme(0);
}

CTheme::~CTheme() = default;

const CTheme::Entry &CTheme::entry(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return m_entries.first();
    return m_entries[index];
}

void CTheme::selectTheme(int index)
{
    if (index < 0 || index >= m_entries.size())
        index = 0;
    m_current = index;
    const Entry &e = m_entries[index];
    for (int i = 0; i < SheetCount; ++i) {
        if (i != FixedSheet)
            m_sheets[size_t(i)] = e.sheets[size_t(i)];
    }
    m_background = mapImage(m_baseBackground);
    m_sheetImageFolder = sheetImageFolder();
    emit themeChanged(index);
}

QColor CTheme::mapColorWith(const QColor &c, const QColor &tint, int valuePercent, bool keep)
{
    if (keep)
        return c;
    const int b = (c.red() + c.green() + c.blue()) / 3;
    // The tint's HSV saturation is used as HSL saturation on purpose: it
    // keeps light tints from washing every colour out.
    const int hue = tint.hslHue();
    const int sat = tint.hsvSaturation();
    if (valuePercent != 0)
        return QColor::fromHsv(hue, sat, qBound(0, b * valuePercent / 100, 255), 255);
    return QColor::fromHsl(hue, sat, b, 255);
}

QColor CTheme::mapColor(const QColor &c) const
{
    const Entry &e = m_entries[m_current];
    return mapColorWith(c, e.tint, e.valuePercent, e.keepColours);
}

QString CTheme::mapStyleTextWith(const QString &text, const QColor &tint, int valuePercent,
                                 bool keep)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('#')) {
            out += c;
            ++i;
            continue;
        }
        const QStringRef digits = text.midRef(i + 1, 6);
        const uint v = readHex(digits);
        const QColor mapped = mapColorWith(QColor::fromRgb(QRgb(v & 0xffffffu)), tint,
                                           valuePercent, keep);
        out += QLatin1Char('#');
        out += QString::number(mapped.rgb() & 0xffffffu, 16).rightJustified(6, QLatin1Char('0'));
        i += 1 + digits.size();
    }
    return out;
}

QString CTheme::mapStyleText(const QString &text) const
{
    const Entry &e = m_entries[m_current];
    return mapStyleTextWith(text, e.tint, e.valuePercent, e.keepColours);
}

QImage CTheme::mapImage(const QImage &image) const
{
    const Entry &e = m_entries[m_current];
    if (e.keepColours || image.isNull())
        return image;
    // The mapping depends on brightness only: one table of 256 colours.
    QRgb table[256];
    for (int b = 0; b < 256; ++b)
        table[b] = mapColorWith(QColor(b, b, b), e.tint, e.valuePercent, false).rgb();
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = table[(qRed(p) + qGreen(p) + qBlue(p)) / 3];
        }
    }
    return out;
}

QString CTheme::sheetImageFolder()
{
    const Entry &e = m_entries[m_current];
    if (e.keepColours || m_imageFolder.isEmpty())
        return m_imageFolder;
    // Style sheets can only point at files, so the pictures they use are
    // recoloured once per theme into a private folder.
    if (!m_recoloured) {
        m_recoloured.reset(new QTemporaryDir());
        if (!m_recoloured->isValid())
            return m_imageFolder;
    }
    if (!m_recoloured->isValid())
        return m_imageFolder;
    const QString folder = m_recoloured->path() + QStringLiteral("/theme") +
                           QString::number(m_current) + QLatin1Char('/');
    if (QFileInfo::exists(folder))
        return folder;
    if (!QDir().mkpath(folder))
        return m_imageFolder;
    QStringList files = {QStringLiteral("rep_man.png"), QStringLiteral("rep_manh.png")};
    static const QRegularExpression ref(QStringLiteral("IMGDIR/([A-Za-z0-9_.-]+)"));
    for (const QString &sheet : e.sheets) {
        auto it = ref.globalMatch(sheet);
        while (it.hasNext()) {
            const QString name = it.next().captured(1);
            if (!files.contains(name))
                files << name;
        }
    }
    for (const QString &name : files) {
        const QImage img = themedImage(name);
        // A missing picture falls back to the original path.
        if (img.isNull() || !img.save(folder + name))
            QFile::copy(m_imageFolder + name, folder + name);
    }
    return folder;
}

QString CTheme::resolvePaths(const QString &sheet) const
{
    QString s = sheet;
    s.replace(QStringLiteral("IMGDIR/"), m_sheetImageFolder);
    return s;
}

QString CTheme::styleSheet(int sheet) const
{
    if (sheet < 0 || sheet >= SheetCount)
        return QString();
    QString s = resolvePaths(m_sheets[size_t(sheet)]);
    if (sheet == 13) {
        s.replace(QStringLiteral("IMAGE_S"), m_sheetImageFolder + QStringLiteral("rep_man.png"));
        s.replace(QStringLiteral("IMAGE_H"), m_sheetImageFolder + QStringLiteral("rep_manh.png"));
        s.replace(QStringLiteral("IMAGE_P"), m_sheetImageFolder + QStringLiteral("rep_manh.png"));
    }
    return s;
}

int CTheme::sheetIndexForKind(int kind)
{
    switch (kind) {
    case 0:
    case 10:
        return 1;
    case 2:
        return 8;
    case 3:
        return -1;
    case 5:
        return 9;
    case 6:
        return 10;
    case 7:
        return 11;
    case 8:
        return 12;
    case 9:
        return 2;
    case 12:
        return 13;
    case 16:
        return 3;
    case 25:
        return 6;
    default:
        return 0;
    }
}

QString CTheme::styleSheetForKind(int kind) const
{
    const int sheet = sheetIndexForKind(kind);
    return sheet < 0 ? QString() : styleSheet(sheet);
}

void CTheme::styleWidget(QWidget *widget, int kind) const
{
    if (!widget || sheetIndexForKind(kind) < 0)
        return;
    widget->setStyleSheet(styleSheetForKind(kind));
}

QImage CTheme::themedImage(const QString &fileName) const
{
    QImage img(m_imageFolder + fileName);
    if (img.isNull())
        return img;
    const Entry &e = m_entries[m_current];
    if (e.keepColours)
        return img;
    // Icons keep their transparency: recolour the colour, keep each pixel's alpha.
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const QRgb m = mapColorWith(QColor(p), e.tint, e.valuePercent, false).rgb();
            line[x] = qRgba(qRed(m), qGreen(m), qBlue(m), qAlpha(p));
        }
    }
    return out;
}

QIcon CTheme::featureIcon(const QString &fileName) const
{
    QPixmap pm(m_imageFolder + fileName);
    if (pm.isNull()) {
        pm = QPixmap(60, 60);
        pm.fill(Qt::transparent);
    }
    QPainter p(&pm);
    p.setPen(mapColor(0x5c, 0x52, 0x4c));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 59, 59);
    p.end();
    return QIcon(pm);
}

QStringList CTheme::featureIconFiles()
{
    return {QStringLiteral("numer-but.png"), QStringLiteral("matr-but.png"),
            QStringLiteral("love-but.png"),  QStringLiteral("cel-but.png"),
            QStringLiteral("pet-but.png"),   QStringLiteral("chart-but.png"),
            QStringLiteral("an-but.png"),    QStringLiteral("fore-but.png"),
            QStringLiteral("guide-but.png")};
}

QImage CTheme::titleImage(const QString &title, int width, int height) const
{
    return titleImageFor(this, title, width, height);
}

QImage CTheme::titleImageFor(const CTheme *theme, const QString &title, int width, int height)
{
    const auto mapColor = [theme](int r, int g, int b) {
        return theme ? theme->mapColor(r, g, b) : QColor(r, g, b);
    };
    if (width <= 0 || height <= 0)
        return QImage();
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0.0, mapColor(0xf4, 0xe6, 0xc4));
    g.setColorAt(0.55, mapColor(0xed, 0xdb, 0xb2));
    g.setColorAt(1.0, mapColor(0xcf, 0xba, 0x8f));
    QPainterPath path;
    const qreal r = 4;
    path.moveTo(0, height);
    path.lineTo(0, r);
    path.quadTo(0, 0, r, 0);
    path.lineTo(width - r, 0);
    path.quadTo(width, 0, width, r);
    path.lineTo(width, height);
    path.closeSubpath();
    p.fillPath(path, g);
    // A thin rim at the bottom joins the bar to the panel body.
    p.setPen(mapColor(0x9c, 0x85, 0x62));
    p.drawLine(QPointF(0, height - 0.5), QPointF(width, height - 0.5));

    // A small diamond in front of the title, the program's motif.
    const qreal cy = height / 2.0;
    QPolygonF diamond;
    diamond << QPointF(9, cy - 4) << QPointF(13, cy) << QPointF(9, cy + 4) << QPointF(5, cy);
    p.setPen(Qt::NoPen);
    p.setBrush(mapColor(0x8a, 0x4a, 0x2c));
    p.drawPolygon(diamond);

    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(qMax(8, height * 13 / 24));
    f.setBold(true);
    p.setFont(f);
    p.setPen(mapColor(0x2c, 0x24, 0x20));
    p.drawText(QRectF(19, 0, width - 23, height), Qt::AlignVCenter | Qt::AlignLeft, title);
    return img;
}

QString CTheme::personButtonSheet(int step) const
{
    const QColor base = mapColor(0x44, 0x37, 0x2f);
    QColor raised = QColor::fromHsv(base.hsvHue(), base.hsvSaturation(),
                                    qBound(0, base.value() + step, 255));
    QString sheet = styleSheet(9);
    sheet.replace(base.name(), raised.name());
    return sheet;
}
