#include "tools/celebcards/ccelebritycard.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Words that end a name without being a surname.
bool isNameSuffix(const QString &word)
{
    static const QStringList suffixes = {
        QStringLiteral("JR"), QStringLiteral("SR"), QStringLiteral("II"), QStringLiteral("III"),
        QStringLiteral("IV"), QStringLiteral("V"), QStringLiteral("VI"), QStringLiteral("VII"),
        QStringLiteral("VIII"), QStringLiteral("IX"), QStringLiteral("X")};
    QString bare = word;
    bare.remove(QLatin1Char('.'));
    return suffixes.contains(bare.toUpper());
}

QChar firstLetter(const QString &word)
{
    for (const QChar ch : word) {
        if (ch.isLetter())
            return ch.toUpper();
    }
    return QChar();
}

struct FieldWord
{
    const char *word;
    CCelebrityCard::Field field;
};

// Occupation words, matched at the start of a word; the earliest match in
// the line decides, so "Singer and actor" is music and "Actor and singer" film.
const FieldWord kFieldWords[] = {
    {"physicist", CCelebrityCard::Field::Science}, {"physician", CCelebrityCard::Field::Science},
    {"chemist", CCelebrityCard::Field::Science}, {"mathematician", CCelebrityCard::Field::Science},
    {"naturalist", CCelebrityCard::Field::Science}, {"astronomer", CCelebrityCard::Field::Science},
    {"scientist", CCelebrityCard::Field::Science}, {"computer", CCelebrityCard::Field::Science},
    {"inventor", CCelebrityCard::Field::Science}, {"engineer", CCelebrityCard::Field::Science},
    {"bacteriologist", CCelebrityCard::Field::Science}, {"microbiologist", CCelebrityCard::Field::Science},
    {"primatologist", CCelebrityCard::Field::Science}, {"neurologist", CCelebrityCard::Field::Science},
    {"nurse", CCelebrityCard::Field::Science}, {"statistician", CCelebrityCard::Field::Science},
    {"educator", CCelebrityCard::Field::Science},
    {"painter", CCelebrityCard::Field::Arts}, {"sculptor", CCelebrityCard::Field::Arts},
    {"architect", CCelebrityCard::Field::Arts}, {"designer", CCelebrityCard::Field::Arts},
    {"fashion", CCelebrityCard::Field::Arts}, {"cartoonist", CCelebrityCard::Field::Arts},
    {"photographer", CCelebrityCard::Field::Arts},
    {"composer", CCelebrityCard::Field::Music}, {"singer", CCelebrityCard::Field::Music},
    {"musician", CCelebrityCard::Field::Music}, {"pianist", CCelebrityCard::Field::Music},
    {"guitarist", CCelebrityCard::Field::Music}, {"violinist", CCelebrityCard::Field::Music},
    {"trumpeter", CCelebrityCard::Field::Music}, {"sitar", CCelebrityCard::Field::Music},
    {"jazz", CCelebrityCard::Field::Music}, {"opera", CCelebrityCard::Field::Music},
    {"songwriter", CCelebrityCard::Field::Music}, {"conductor", CCelebrityCard::Field::Music},
    {"actor", CCelebrityCard::Field::Film}, {"actress", CCelebrityCard::Field::Film},
    {"film", CCelebrityCard::Field::Film}, {"animator", CCelebrityCard::Field::Film},
    {"comedian", CCelebrityCard::Field::Film}, {"television", CCelebrityCard::Field::Film},
    {"director", CCelebrityCard::Field::Film},
    {"player", CCelebrityCard::Field::Sport}, {"boxer", CCelebrityCard::Field::Sport},
    {"footballer", CCelebrityCard::Field::Sport}, {"sprinter", CCelebrityCard::Field::Sport},
    {"athlete", CCelebrityCard::Field::Sport}, {"runner", CCelebrityCard::Field::Sport},
    {"long-distance", CCelebrityCard::Field::Sport}, {"cricketer", CCelebrityCard::Field::Sport},
    {"gymnast", CCelebrityCard::Field::Sport}, {"swimmer", CCelebrityCard::Field::Sport},
    {"cyclist", CCelebrityCard::Field::Sport}, {"racing", CCelebrityCard::Field::Sport},
    {"chess", CCelebrityCard::Field::Sport}, {"tennis", CCelebrityCard::Field::Sport},
    {"basketball", CCelebrityCard::Field::Sport}, {"baseball", CCelebrityCard::Field::Sport},
    {"ice", CCelebrityCard::Field::Sport},
    {"president", CCelebrityCard::Field::Politics}, {"prime", CCelebrityCard::Field::Politics},
    {"statesman", CCelebrityCard::Field::Politics}, {"monarch", CCelebrityCard::Field::Politics},
    {"emperor", CCelebrityCard::Field::Politics}, {"leader", CCelebrityCard::Field::Politics},
    {"independence", CCelebrityCard::Field::Politics}, {"military", CCelebrityCard::Field::Politics},
    {"diplomat", CCelebrityCard::Field::Politics}, {"activist", CCelebrityCard::Field::Politics},
    {"campaigner", CCelebrityCard::Field::Politics}, {"minister", CCelebrityCard::Field::Politics},
    {"archbishop", CCelebrityCard::Field::Politics}, {"judge", CCelebrityCard::Field::Politics},
    {"trade", CCelebrityCard::Field::Politics}, {"civil", CCelebrityCard::Field::Politics},
    {"environmentalist", CCelebrityCard::Field::Politics}, {"education", CCelebrityCard::Field::Politics},
    {"novelist", CCelebrityCard::Field::Literature}, {"poet", CCelebrityCard::Field::Literature},
    {"writer", CCelebrityCard::Field::Literature}, {"author", CCelebrityCard::Field::Literature},
    {"playwright", CCelebrityCard::Field::Literature}, {"dramatist", CCelebrityCard::Field::Literature},
    {"essayist", CCelebrityCard::Field::Literature}, {"diarist", CCelebrityCard::Field::Literature},
    {"philosopher", CCelebrityCard::Field::Literature}, {"memoirist", CCelebrityCard::Field::Literature},
    {"children", CCelebrityCard::Field::Literature}, {"crime", CCelebrityCard::Field::Literature},
    {"entrepreneur", CCelebrityCard::Field::Business}, {"businessman", CCelebrityCard::Field::Business},
    {"businesswoman", CCelebrityCard::Field::Business}, {"industrialist", CCelebrityCard::Field::Business},
    {"astronaut", CCelebrityCard::Field::Exploration}, {"cosmonaut", CCelebrityCard::Field::Exploration},
    {"explorer", CCelebrityCard::Field::Exploration}, {"aviator", CCelebrityCard::Field::Exploration},
    {"aviation", CCelebrityCard::Field::Exploration}, {"mountaineer", CCelebrityCard::Field::Exploration},
    {"polar", CCelebrityCard::Field::Exploration}, {"antarctic", CCelebrityCard::Field::Exploration},
    {"ocean", CCelebrityCard::Field::Exploration},
};

// Largest pixel size, not below minSize, at which text fits the width.
int fittingPixelSize(QFont font, const QString &text, qreal width, int maxSize, int minSize)
{
    int size = maxSize;
    for (; size > minSize; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return size;
}

// Splits text into at most two lines that fit the width, shrinking the font
// down to minSize; a remainder that still does not fit is elided.
QStringList wrapTwoLines(QFont &font, const QString &text, qreal width, int maxSize, int minSize)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int size = maxSize; size >= minSize; --size) {
        font.setPixelSize(size);
        const QFontMetricsF fm(font);
        if (fm.horizontalAdvance(text) <= width)
            return {text};
        // Best split: the one whose longer line is shortest.
        int bestSplit = -1;
        qreal bestWidth = 0;
        for (int i = 1; i < words.size(); ++i) {
            const qreal w = std::max(fm.horizontalAdvance(words.mid(0, i).join(QLatin1Char(' '))),
                                     fm.horizontalAdvance(words.mid(i).join(QLatin1Char(' '))));
            if (w <= width && (bestSplit < 0 || w < bestWidth)) {
                bestSplit = i;
                bestWidth = w;
            }
        }
        if (bestSplit > 0)
            return {words.mid(0, bestSplit).join(QLatin1Char(' ')), words.mid(bestSplit).join(QLatin1Char(' '))};
    }
    font.setPixelSize(minSize);
    const QFontMetricsF fm(font);
    if (words.size() < 2)
        return {fm.elidedText(text, Qt::ElideRight, width)};
    const int half = static_cast<int>(words.size() + 1) / 2;
    return {fm.elidedText(words.mid(0, half).join(QLatin1Char(' ')), Qt::ElideRight, width),
            fm.elidedText(words.mid(half).join(QLatin1Char(' ')), Qt::ElideRight, width)};
}

} // namespace

QString CCelebrityCard::initialsOf(const QString &name)
{
    QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (words.size() > 1 && isNameSuffix(words.last()))
        words.removeLast();
    // Words without a letter (a stray hyphen) do not count.
    words.erase(std::remove_if(words.begin(), words.end(),
                               [](const QString &w) { return firstLetter(w).isNull(); }),
                words.end());
    if (words.isEmpty())
        return QString();
    QString initials(firstLetter(words.first()));
    if (words.size() > 1)
        initials += firstLetter(words.last());
    return initials;
}

CCelebrityCard::Field CCelebrityCard::fieldOf(const QString &line2)
{
    const QString occupation = occupationOf(line2).toLower();
    Field best = Field::Other;
    int bestAt = -1;
    for (const FieldWord &fw : kFieldWords) {
        const QRegularExpression re(QStringLiteral("\\b") + QRegularExpression::escape(QLatin1String(fw.word)));
        const QRegularExpressionMatch m = re.match(occupation);
        if (m.hasMatch() && (bestAt < 0 || m.capturedStart() < bestAt)) {
            bestAt = m.capturedStart();
            best = fw.field;
        }
    }
    return best;
}

QColor CCelebrityCard::tintOf(Field field)
{
    switch (field) {
    case Field::Science: return QColor(0x3e, 0x6a, 0x8a);
    case Field::Arts: return QColor(0xa6, 0x5e, 0x46);
    case Field::Music: return QColor(0x6b, 0x4e, 0x8a);
    case Field::Film: return QColor(0x8a, 0x3b, 0x4a);
    case Field::Sport: return QColor(0x3f, 0x7a, 0x52);
    case Field::Politics: return QColor(0x3d, 0x4f, 0x6b);
    case Field::Literature: return QColor(0x7a, 0x5c, 0x3a);
    case Field::Business: return QColor(0x2f, 0x74, 0x70);
    case Field::Exploration: return QColor(0xb0, 0x7d, 0x2b);
    case Field::Other: break;
    }
    return QColor(0x5f, 0x63, 0x68);
}

QString CCelebrityCard::occupationOf(const QString &line2)
{
    const int open = line2.indexOf(QLatin1Char('('));
    return (open < 0 ? line2 : line2.left(open)).trimmed();
}

QString CCelebrityCard::countryOf(const QString &line2)
{
    const int open = line2.indexOf(QLatin1Char('('));
    if (open < 0)
        return QString();
    const int close = line2.lastIndexOf(QLatin1Char(')'));
    return (close > open ? line2.mid(open + 1, close - open - 1) : line2.mid(open + 1)).trimmed();
}

QImage CCelebrityCard::render(const QString &name, const QString &line2, QSize size)
{
    size = size.expandedTo(QSize(60, 80));
    const qreal s = size.width() / qreal(kWidth);
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor tint = tintOf(fieldOf(line2));
    const QColor paper(0xfa, 0xf7, 0xf2);

    auto mix = [](const QColor &a, const QColor &b, qreal t) {
        return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                                a.blueF() + (b.blueF() - a.blueF()) * t);
    };

    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    // Card: soft paper tinted towards the field colour, with a fine frame.
    const QRectF card(2 * s, 2 * s, w - 4 * s, h - 4 * s);
    QLinearGradient paperGrad(card.topLeft(), card.bottomLeft());
    paperGrad.setColorAt(0, mix(paper, tint, 0.06));
    paperGrad.setColorAt(1, mix(paper, tint, 0.16));
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 8 * s, 8 * s);
    p.fillPath(cardPath, paperGrad);
    p.setPen(QPen(mix(tint, paper, 0.35), 1.2 * s));
    p.drawPath(cardPath);

    // Header band behind the upper half of the circle.
    const qreal bandBottom = 58 * s;
    QPainterPath band;
    band.addRoundedRect(QRectF(card.left(), card.top(), card.width(), bandBottom - card.top() + 8 * s), 8 * s, 8 * s);
    QPainterPath bandClip;
    bandClip.addRect(QRectF(card.left(), card.top(), card.width(), bandBottom - card.top()));
    QLinearGradient bandGrad(card.topLeft(), QPointF(card.left(), bandBottom));
    bandGrad.setColorAt(0, mix(tint, paper, 0.15));
    bandGrad.setColorAt(1, mix(tint, paper, 0.45));
    p.fillPath(band.intersected(bandClip), bandGrad);

    // Portrait circle with the initials.
    const QPointF centre(w / 2, 60 * s);
    const qreal radius = 38 * s;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(centre + QPointF(0, 1.5 * s), radius + 3 * s, radius + 3 * s);
    p.setBrush(paper);
    p.drawEllipse(centre, radius + 3 * s, radius + 3 * s);
    QRadialGradient disc(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.5);
    disc.setColorAt(0, mix(tint, Qt::white, 0.25));
    disc.setColorAt(1, mix(tint, Qt::black, 0.18));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);

    const QString initials = initialsOf(name);
    QFont initialsFont(QStringLiteral("DejaVu Serif"));
    initialsFont.setStyleHint(QFont::Serif);
    initialsFont.setBold(true);
    initialsFont.setPixelSize(fittingPixelSize(initialsFont, initials, radius * 1.45,
                                               qRound((initials.size() > 1 ? 30 : 36) * s), qRound(12 * s)));
    p.setFont(initialsFont);
    const QRectF discRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(discRect.translated(0, 1.2 * s), Qt::AlignCenter, initials);
    p.setPen(QColor(0xff, 0xfd, 0xf8));
    p.drawText(discRect, Qt::AlignCenter, initials);

    // Name, on one or two lines.
    const qreal textLeft = 8 * s;
    const qreal textWidth = w - 16 * s;
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setBold(true);
    const QStringList nameLines = wrapTwoLines(nameFont, name, textWidth, qRound(13 * s), qRound(9 * s));
    p.setFont(nameFont);
    p.setPen(QColor(0x2b, 0x27, 0x24));
    const QFontMetricsF nameFm(nameFont);
    const qreal nameLineHeight = nameFm.height();
    qreal y = (nameLines.size() == 1 ? 107 * s + nameLineHeight / 2 : 104 * s);
    for (const QString &line : nameLines) {
        p.drawText(QRectF(textLeft, y, textWidth, nameLineHeight), Qt::AlignHCenter | Qt::AlignVCenter, line);
        y += nameLineHeight;
    }

    // A short rule, then the field and the country.
    const qreal ruleY = 143 * s;
    p.setPen(QPen(mix(tint, paper, 0.2), 1.2 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w / 2 - 18 * s, ruleY), QPointF(w / 2 + 18 * s, ruleY));

    QFont fieldFont(QStringLiteral("DejaVu Sans"));
    fieldFont.setStyleHint(QFont::SansSerif);
    fieldFont.setItalic(true);
    const QStringList fieldLines =
        wrapTwoLines(fieldFont, occupationOf(line2), textWidth, qRound(10 * s), qRound(8 * s));
    p.setFont(fieldFont);
    p.setPen(mix(tint, Qt::black, 0.25));
    const qreal fieldLineHeight = QFontMetricsF(fieldFont).height();
    y = 147 * s;
    for (const QString &line : fieldLines) {
        p.drawText(QRectF(textLeft, y, textWidth, fieldLineHeight), Qt::AlignHCenter | Qt::AlignVCenter, line);
        y += fieldLineHeight;
    }

    const QString country = countryOf(line2);
    if (!country.isEmpty()) {
        QFont countryFont(QStringLiteral("DejaVu Sans"));
        countryFont.setStyleHint(QFont::SansSerif);
        countryFont.setPixelSize(fittingPixelSize(countryFont, country, textWidth, qRound(9 * s), qRound(7 * s)));
        p.setFont(countryFont);
        p.setPen(QColor(0x6a, 0x64, 0x5e));
        const QFontMetricsF fm(countryFont);
        const qreal countryY = std::max(y + 1 * s, h - 6 * s - fm.height());
        p.drawText(QRectF(textLeft, countryY, textWidth, fm.height()), Qt::AlignHCenter | Qt::AlignVCenter,
                   fm.elidedText(country, Qt::ElideRight, textWidth));
    }
    p.end();
    return image;
}
