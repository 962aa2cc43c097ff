#include "app/ui/cpersonpanel.h"

#include "app/ui/ccaptionedcomboaccessible.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cfieldhint.h"
#include "panels/cinfonamewidget.h"
#include "panels/ctheme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace {

// A caption that names its field for screen readers (and gives it focus on click).
QLabel *label(const QString &text, QWidget *buddy, int x, int y, int w = 110)
{
    auto *l = new QLabel(text, buddy->parentWidget());
    l->setGeometry(x, y, w, 22);
    l->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return l;
}

// Nobody is born after today.
CDateEdit *dateEdit(QWidget *parent, const QString &name)
{
    auto *d = new CDateEdit(QDate(2000, 1, 1), parent);
    d->setMaximumDate(QDate::currentDate());
    d->setAccessibleName(name);
    return d;
}

} // namespace

CPersonPanel::CPersonPanel(CTheme *theme, QWidget *parent) : QWidget(parent), m_theme(theme)
{
    setObjectName(QStringLiteral("personPanel"));
    setAttribute(Qt::WA_StyledBackground, true);
    CCaptionedComboAccessible::installFactory();

    m_personBox = new QGroupBox(QStringLiteral("Personal (Full Name, Short Name, Birth Date)"), this);
    fullName = new QLineEdit(m_personBox);
    label(QStringLiteral("Full Name"), fullName, 14, 30);
    fullName->setObjectName(QStringLiteral("fullName"));
    fullName->setMaxLength(300);
    m_hints.append(new CFieldHint(fullName, QStringLiteral("Name as given at birth"), theme));
    shortName = new QLineEdit(m_personBox);
    label(QStringLiteral("Short Name"), shortName, 14, 64);
    shortName->setObjectName(QStringLiteral("shortName"));
    shortName->setMaxLength(300);
    m_hints.append(new CFieldHint(shortName, QStringLiteral("Everyday name (optional)"), theme));
    birthDate = dateEdit(m_personBox, QStringLiteral("Birth Date"));
    label(QStringLiteral("Birth Date"), birthDate, 14, 98);
    birthDate->setObjectName(QStringLiteral("birthDate"));
    gender = new QComboBox(m_personBox);
    gender->setObjectName(QStringLiteral("gender"));
    gender->addItems({QStringLiteral("Female"), QStringLiteral("Male")});
    label(QStringLiteral("Gender"), gender, 14, 132);
    // Created in screen order, so Tab reaches them as they are shown.
    phonetic = new QComboBox(m_personBox);
    phonetic->setObjectName(QStringLiteral("phonetic"));
    phonetic->addItems({QStringLiteral("English"), QStringLiteral("Universal")});
    label(QStringLiteral("Phonetic:"), phonetic, 14, 166, 70);
    chaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), m_personBox);
    chaldean->setObjectName(QStringLiteral("chaldean"));

    m_partnerBox = new QGroupBox(QStringLiteral("Partner (Full Name, Short Name, Birth Date)"), this);
    partnerFullName = new QLineEdit(m_partnerBox);
    label(QStringLiteral("Full Name"), partnerFullName, 14, 30);
    partnerFullName->setAccessibleName(QStringLiteral("Partner Full Name"));
    partnerFullName->setObjectName(QStringLiteral("partnerFullName"));
    partnerFullName->setMaxLength(300);
    partnerShortName = new QLineEdit(m_partnerBox);
    label(QStringLiteral("Short Name"), partnerShortName, 14, 64);
    partnerShortName->setAccessibleName(QStringLiteral("Partner Short Name"));
    partnerShortName->setObjectName(QStringLiteral("partnerShortName"));
    partnerShortName->setMaxLength(300);
    partnerBirthDate = dateEdit(m_partnerBox, QStringLiteral("Partner Birth Date"));
    label(QStringLiteral("Birth Date"), partnerBirthDate, 14, 98);
    partnerBirthDate->setAccessibleName(QStringLiteral("Partner Birth Date"));
    partnerBirthDate->setObjectName(QStringLiteral("partnerBirthDate"));

    nameView = new CInfoNameWidget(theme, QStringLiteral("Name calculation"), this);
    nameView->setClickable(true);
    partnerNameView = new CInfoNameWidget(theme, QStringLiteral("Partner name calculation"), this);
    partnerNameView->setClickable(true);

    m_recentBox = new QGroupBox(QStringLiteral("Recent"), this);
    for (int i = 0; i < RecentCount; ++i) {
        recent[i] = new QPushButton(m_recentBox);
        recent[i]->setObjectName(QStringLiteral("recent%1").arg(i));
        recent[i]->hide();
    }
    clearRecent = new QPushButton(QStringLiteral("Clear"), m_recentBox);
    newPerson = new QPushButton(QStringLiteral("New"), this);
    newPerson->setToolTip(QStringLiteral("Clear every input"));
    openFile = new QPushButton(QStringLiteral("Open..."), this);
    saveFile = new QPushButton(QStringLiteral("Save..."), this);
    applyTheme(theme);
}

void CPersonPanel::applyTheme(CTheme *theme)
{
    m_theme = theme;
    if (!theme)
        return;
    theme->styleWidget(this, CTheme::KindPersonPanel);
    for (CFieldHint *h : qAsConst(m_hints))
        h->applyTheme();
}

void CPersonPanel::setRecentText(int index, const QString &text)
{
    if (index < 0 || index >= RecentCount)
        return;
    recent[index]->setProperty("fullText", text);
    recent[index]->setToolTip(text);
    elideRecent(index);
}

void CPersonPanel::elideRecent(int index)
{
    // Each line shortened at its end with "…", so it never loses both ends.
    QPushButton *b = recent[index];
    const QFontMetrics fm(b->font());
    const int room = b->width() - 40; // the button sheet pads both sides
    QStringList lines = b->property("fullText").toString().split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = fm.elidedText(line, Qt::ElideRight, room);
    b->setText(lines.join(QLatin1Char('\n')));
}

void CPersonPanel::setDayFirst(bool dayFirst)
{
    const QString f = dayFirst ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy");
    birthDate->setDisplayFormat(f);
    partnerBirthDate->setDisplayFormat(f);
}

void CPersonPanel::keyPressEvent(QKeyEvent *event)
{
    // Fields, boxes and date edits pass Enter on; buttons take it themselves.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit applyRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPersonPanel::resizeEvent(QResizeEvent *)
{
    // Two input columns on the left and the recent list on the right; the
    // name panels below the inputs show the letters while typing.
    const int w = width();
    const int h = height();
    const int left = 216;
    const int colW = qMax(300, qMin(420, (w - left - 260) / 2));
    m_personBox->setGeometry(left, 20, colW, 236);
    m_partnerBox->setGeometry(left + colW + 12, 20, colW, 236);
    // Each field by name: a search by type would also catch the date fields.
    const int fw = m_personBox->width() - 124 - 14;
    fullName->setGeometry(124, 30, fw, 24);
    shortName->setGeometry(124, 64, fw, 24);
    birthDate->setGeometry(124, 98, 130, 24);
    partnerFullName->setGeometry(124, 30, fw, 24);
    partnerShortName->setGeometry(124, 64, fw, 24);
    partnerBirthDate->setGeometry(124, 98, 130, 24);
    gender->setGeometry(124, 132, 130, 24);
    phonetic->setGeometry(124, 166, 130, 24);
    chaldean->setGeometry(124, 200, m_personBox->width() - 134, 24);

    const int namesY = 268;
    const int namesW = qMax(300, 2 * colW + 12);
    nameView->setGeometry(left, namesY, namesW, nameView->sizeHint().height());
    partnerNameView->setGeometry(left, namesY + nameView->height() + 8, namesW,
                                 partnerNameView->sizeHint().height());

    const int rx = left + 2 * colW + 30;
    const int rw = qMax(170, w - rx - 20);
    m_recentBox->setGeometry(rx, 20, rw, qMin(h - 80, 30 + RecentCount * 58 + 40));
    for (int i = 0; i < RecentCount; ++i)
        recent[i]->setGeometry(10, 28 + i * 58, rw - 20, 52);
    clearRecent->setGeometry(10, 28 + RecentCount * 58, 80, 26);
    for (int i = 0; i < RecentCount; ++i)
        elideRecent(i);

    const int by = namesY + nameView->height() + partnerNameView->height() + 24;
    newPerson->setGeometry(left, by, 90, 28);
    openFile->setGeometry(left + 100, by, 90, 28);
    saveFile->setGeometry(left + 200, by, 90, 28);
}

void CPersonPanel::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_theme)
        return;
    // The panel covers the whole window while open, so it paints every pixel.
    QPainter p(this);
    p.fillRect(rect(), m_theme->mapColor(0x2c, 0x24, 0x20));
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_theme->mapColor(0x3a, 0x2f, 0x29));
    g.setColorAt(1, m_theme->mapColor(0x24, 0x1d, 0x1a));
    p.fillRect(QRect(0, 0, 208, height()), g);
    QFont f(QStringLiteral("Georgia"));
    f.setPixelSize(22);
    p.setFont(f);
    p.setPen(m_theme->mapColor(0xed, 0xdb, 0xb2));
    p.drawText(QRect(16, 20, 180, 60), Qt::AlignLeft | Qt::TextWordWrap, QStringLiteral("Person and\npartner"));
    f.setFamily(QStringLiteral("Arial"));
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(m_theme->mapColor(0xb8, 0xa8, 0x94));
    p.drawText(QRect(16, 90, 180, 200), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Type the full name given at birth and the birth date. "
                              "Click a letter in the name panel to count it as a vowel or a "
                              "consonant. Press APPLY when you are done."));
    p.setPen(m_theme->mapColor(93, 84, 78));
    p.drawLine(width() - 1, 0, width() - 1, height());
}
