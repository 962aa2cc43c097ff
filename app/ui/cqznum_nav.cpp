// Geometry, navigation between features and the sliding panels.
#include "app/ui/cqznum.h"

#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "engine/datafolder.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTimeLine>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <algorithm>
#include <iterator>

namespace {
constexpr int kSlideMs = 450;
constexpr int kPanelGap = 6;
constexpr int kPersonButtonH = 52;
constexpr int kLeftColumnW = 200;
constexpr int kRightColumnW = 190; // summary, forecast date, layout and tools
} // namespace

void CQZNum::OnCtrlButNumer() { navigate(FeatNumerology); }
void CQZNum::OnCtrlButPMatr() { navigate(FeatPMatrix); }
void CQZNum::OnCtrlButForecast() { navigate(FeatForecast); }
void CQZNum::OnCtrlButComp() { navigate(FeatCompatibility); }
void CQZNum::OnCtrlButCel() { navigate(FeatCelebrities); }
void CQZNum::OnCtrlButPet() { navigate(FeatPet); }
void CQZNum::OnCtrlButChart() { navigate(FeatChart); }
void CQZNum::OnCtrlButAnalize() { navigate(FeatAdvisor); }
void CQZNum::OnCtrlButGuide()
{
    // A second press on Guide brings its first page back.
    if (m_feature == FeatGuide && !m_personOpen)
        OnGuideHome();
    else
        navigate(FeatGuide);
}

void CQZNum::OnGuideBack()
{
    QWebEngineView *v = m_views[FeatGuide];
    if (m_feature != FeatGuide || m_personOpen || !v)
        return;
    if (v->history()->canGoBack())
        v->back();
    else
        OnGuideHome();
}

void CQZNum::OnGuideHome()
{
    const QUrl home = QUrl::fromLocalFile(DataFolder::path() + QStringLiteral("/images/manual/index.html"));
    // Always load: while another page is on its way, url() still names the
    // page shown, and skipping the load would land the user on the other page.
    if (m_views[FeatGuide])
        m_views[FeatGuide]->load(home);
}

void CQZNum::OnGuideUrlChanged()
{
    m_guideBack->setEnabled(m_views[FeatGuide]->history()->canGoBack());
}

QRect CQZNum::contentColumn() const
{
    // Between the feature buttons and the right column; centred when wide.
    const int W = width();
    if (W - 415 > 1024)
        return QRect((W - 1439) / 2 + 216, 0, 1024, height());
    return QRect(216, 0, W - 415, height());
}

int CQZNum::listPanelWidth() const
{
    // Three list panels side by side must fit the content column.
    return qBound(180, (contentColumn().width() - 2 * kPanelGap) / 3, 220);
}

bool CQZNum::planesBesideBridges() const
{
    return contentColumn().width() >= listPanelWidth() + kPanelGap + m_planes->sizeHint().width();
}

bool CQZNum::compGridBeside() const
{
    return contentColumn().width() >= m_compMatr->sizeHint().width() + kPanelGap + listPanelWidth();
}

int CQZNum::panelTop(int feature) const
{
    // Panels stack upwards from the bottom edge; the page ends above them.
    const int H = height();
    const int bottom = H - kPanelGap;
    switch (feature) {
    case FeatNumerology: {
        const int mainH = m_mainFeat->sizeHint().height();
        const int bridgesH = m_bridges->sizeHint().height();
        const int planesH = m_planes->sizeHint().height();
        if (planesBesideBridges())
            return bottom - qMax(bridgesH, planesH) - kPanelGap - mainH;
        return bottom - planesH - kPanelGap - bridgesH - kPanelGap - mainH;
    }
    case FeatForecast:
        return bottom - m_essence->sizeHint().height() - kPanelGap - m_calendar->sizeHint().height();
    case FeatPMatrix:
        return bottom - m_matrW->sizeHint().height();
    case FeatCompatibility: {
        const int gridTop = bottom - m_compMatr->sizeHint().height();
        if (compGridBeside())
            return gridTop;
        return gridTop - kPanelGap
               - qMax(m_compInfo->sizeHint().height(), m_compDetails->sizeHint().height());
    }
    case FeatPet:
        return bottom - m_petInfo->sizeHint().height();
    default:
        return H;
    }
}

QSize CQZNum::panelSize(QWidget *panel) const
{
    const QSize hint = panel->sizeHint();
    for (QWidget *list : {static_cast<QWidget *>(m_mainFeat), static_cast<QWidget *>(m_addFeat),
                          static_cast<QWidget *>(m_lifeCycles), static_cast<QWidget *>(m_bridges),
                          static_cast<QWidget *>(m_compInfo), static_cast<QWidget *>(m_compDetails),
                          static_cast<QWidget *>(m_petInfo), static_cast<QWidget *>(m_anInfo)}) {
        if (panel == list)
            return QSize(listPanelWidth(), hint.height());
    }
    return hint;
}

QRect CQZNum::pageRect(int feature) const
{
    const int H = height();
    const QRect column = contentColumn();
    int x = column.x();
    int w = column.width();
    int y = 10;
    int h = panelTop(FeatNumerology) - kPanelGap - y;
    switch (feature) {
    case FeatForecast:
        h = panelTop(FeatForecast) - kPanelGap - y;
        break;
    case FeatPMatrix:
    case FeatCompatibility:
        h = panelTop(feature) - kPanelGap - y;
        break;
    case FeatCelebrities:
    case FeatGuide:
        h = H - 20;
        break;
    case FeatPet:
        h = panelTop(FeatPet) - kPanelGap - y;
        break;
    case FeatAdvisor:
        y = 280;
        h = H - 285;
        break;
    case FeatChart:
        // The chart stays in the content column, clear of the feature buttons.
        h = H - 20;
        break;
    default:
        break;
    }
    return QRect(x, y, w, h).adjusted(1, 1, -1, -1);
}

QList<QWidget *> CQZNum::panelsOf(int feature) const
{
    switch (feature) {
    case FeatNumerology:
        return {m_mainFeat, m_addFeat, m_lifeCycles, m_bridges, m_planes};
    case FeatForecast:
        return {m_calendar, m_essence};
    case FeatPMatrix:
        return {m_matrW};
    case FeatCompatibility:
        return {m_compInfo, m_compDetails, m_compMatr};
    case FeatPet:
        return {m_petInfo};
    case FeatAdvisor:
        return {m_anInfo};
    default:
        return {};
    }
}

QPoint CQZNum::shownPos(QWidget *panel, int feature) const
{
    const int x0 = contentColumn().x();
    const int row1 = panelTop(feature);
    const int col = listPanelWidth() + kPanelGap;
    switch (feature) {
    case FeatNumerology: {
        const int row2 = row1 + m_mainFeat->sizeHint().height() + kPanelGap;
        if (panel == m_mainFeat) return {x0, row1};
        if (panel == m_addFeat) return {x0 + col, row1};
        if (panel == m_lifeCycles) return {x0 + 2 * col, row1};
        if (panel == m_bridges) return {x0, row2};
        // Beside the bridges where the column is wide enough, else below them.
        if (panel == m_planes)
            return planesBesideBridges() ? QPoint(x0 + col, row2)
                                         : QPoint(x0, row2 + m_bridges->sizeHint().height() + kPanelGap);
        break;
    }
    case FeatForecast:
        if (panel == m_calendar) return {x0, row1};
        if (panel == m_essence) return {x0, row1 + m_calendar->sizeHint().height() + kPanelGap};
        break;
    case FeatPMatrix:
        if (panel == m_matrW) return {x0, row1};
        break;
    case FeatCompatibility:
        // The grid with the two lists stacked beside it, or the lists in a
        // row above the grid where the column is narrower.
        if (compGridBeside()) {
            const int lx = x0 + m_compMatr->sizeHint().width() + kPanelGap;
            if (panel == m_compMatr) return {x0, row1};
            if (panel == m_compInfo) return {lx, row1};
            if (panel == m_compDetails) return {lx, row1 + m_compInfo->sizeHint().height() + kPanelGap};
        } else {
            const int gridY = row1 + qMax(m_compInfo->sizeHint().height(), m_compDetails->sizeHint().height())
                              + kPanelGap;
            if (panel == m_compInfo) return {x0, row1};
            if (panel == m_compDetails) return {x0 + col, row1};
            if (panel == m_compMatr) return {x0, gridY};
        }
        break;
    case FeatPet:
        if (panel == m_petInfo) return {x0, row1};
        break;
    case FeatAdvisor:
        // At the right end of the column, beside the inputs.
        if (panel == m_anInfo) return {x0 + contentColumn().width() - listPanelWidth(), 20};
        break;
    default:
        break;
    }
    return parkedPos(panel);
}

QPoint CQZNum::parkedPos(QWidget *panel) const
{
    // Parked panels wait below the bottom edge, each on its own line so that
    // slides never cross.
    const int i = qMax(0, m_allPanels.indexOf(panel));
    return {(width() - 1024) / 2 + 220, height() + 702 + 16 * i};
}

bool CQZNum::slidesRunning() const
{
    for (const QPointer<QAbstractAnimation> &a : m_slides) {
        if (a && a->state() == QAbstractAnimation::Running)
            return true;
    }
    return false;
}

void CQZNum::stopSlides()
{
    for (const QPointer<QAbstractAnimation> &a : qAsConst(m_slides)) {
        if (a) {
            a->stop();
            a->deleteLater();
        }
    }
    m_slides.clear();
}

void CQZNum::placePanels(bool animate)
{
    const QList<QWidget *> shown = panelsOf(m_feature);
    for (QWidget *w : qAsConst(m_allPanels)) {
        w->resize(panelSize(w));
        const QPoint target = shown.contains(w) ? shownPos(w, m_feature) : parkedPos(w);
        if (!animate || w->pos() == target) {
            w->move(target);
            continue;
        }
        auto *a = new QPropertyAnimation(w, "pos", this);
        a->setDuration(kSlideMs);
        a->setEasingCurve(QEasingCurve::OutCubic);
        a->setStartValue(w->pos());
        a->setEndValue(target);
        a->start(QAbstractAnimation::DeleteWhenStopped);
        m_slides.append(a);
    }
}

void CQZNum::slideMarker(int feature)
{
    const int step = qMin(80, (height() - kPersonButtonH - 30) / FeatureCount);
    const QPoint target(8, 10 + step * featurePosition(feature));
    auto *a = new QPropertyAnimation(m_marker, "pos", this);
    a->setDuration(kSlideMs / 2 + 100);
    a->setEasingCurve(QEasingCurve::OutCubic);
    a->setStartValue(m_marker->pos());
    a->setEndValue(target);
    a->start(QAbstractAnimation::DeleteWhenStopped);
    m_slides.append(a);
}

void CQZNum::navigate(int feature)
{
    if (m_personOpen || feature < 0 || feature >= FeatureCount)
        return;
    const bool samePage = m_pages[m_feature] == m_pages[feature] && m_pages[feature]->isVisible();
    m_feature = feature;
    stopSlides();
    layoutWindow();
    placePanels(true);
    if (!samePage) {
        // The new page slides into the content column from the right.
        QWidget *page = m_pages[feature];
        const QPoint target = page->pos();
        auto *a = new QPropertyAnimation(page, "pos", this);
        a->setDuration(kSlideMs);
        a->setEasingCurve(QEasingCurve::OutCubic);
        a->setStartValue(target + QPoint(qMax(40, page->width() / 5), 0));
        a->setEndValue(target);
        a->start(QAbstractAnimation::DeleteWhenStopped);
        m_slides.append(a);
    }
    slideMarker(feature);
    for (int f = 0; f < FeatureCount; ++f)
        m_featureButs[f]->setProperty("current", f == feature);
    for (QPushButton *b : m_featureButs) {
        b->style()->unpolish(b);
        b->style()->polish(b);
    }
}

void CQZNum::updateEmptyHint()
{
    static const int personPages[] = {FeatNumerology, FeatForecast, FeatPMatrix, FeatCompatibility, FeatCelebrities};
    const bool personPage = std::find(std::begin(personPages), std::end(personPages), m_feature) != std::end(personPages);
    const bool show = !m_loading && !m_personOk && !m_personOpen && personPage;
    if (show) {
        const QRect r = pageRect(m_feature);
        const int w = qMin(m_emptyHint->width(), r.width() - 20);
        m_emptyHint->move(r.x() + (r.width() - w) / 2, r.y() + qMin(60, r.height() / 4));
        m_emptyHint->raise();
    }
    m_emptyHint->setVisible(show);
}

void CQZNum::layoutWindow()
{
    const int W = width();
    const int H = height();
    QWidget *current = m_pages[m_feature];
    for (int f = 0; f < FeatureCount; ++f) {
        if (m_pages[f] != current)
            m_pages[f]->hide();
    }
    const QRect r = pageRect(m_feature);
    current->setGeometry(r);
    current->show();
    if (m_views[m_feature]) {
        QWebEngineView *v = m_views[m_feature];
        if (m_feature == FeatPet)
            v->setGeometry(0, 40, r.width(), r.height() - 40);
        else if (m_feature == FeatGuide) {
            m_guideBar->setGeometry(0, 0, r.width(), 32);
            v->setGeometry(0, 32, r.width(), r.height() - 32);
        }
        else
            v->setGeometry(0, 0, r.width(), r.height());
    }
    auto *anInputs = qobject_cast<QWidget *>(m_pages[FeatAdvisor]->property("inputs").value<QObject *>());
    if (anInputs) {
        const int inputsW = qMin(430, contentColumn().width() - listPanelWidth() - kPanelGap - 10);
        anInputs->setGeometry(pageRect(FeatAdvisor).x() + 10, 20, inputsW, 190);
        m_anName->resize(qMin(300, inputsW - m_anName->x()), m_anName->height());
        anInputs->setVisible(m_feature == FeatAdvisor);
    }

    if (m_feature == FeatPet) {
        // The name field gives way so that CALCULATE stays inside the page.
        const int shift = qBound(0, 515 + 110 + 6 - r.width(), 100);
        m_petName->setGeometry(90, 5, 200 - shift, 30);
        if (auto *cap = m_pages[FeatPet]->findChild<QLabel *>(QStringLiteral("petBirthCaption")))
            cap->move(305 - shift, 8);
        m_petBirth->move(380 - shift, 8);
        m_petCalc->move(515 - shift, 6);
    }

    const bool chart = m_feature == FeatChart;
    for (QWidget *w : std::initializer_list<QWidget *>{m_chartCaption, m_chartChooser, m_chartEdit,
                                                       m_chartNew, m_chartDelete, m_chartPageCount})
        w->setVisible(chart);
    if (chart) {
        // Preview above, one row of controls below it, all inside the page.
        const int ph = r.height();
        const int rowY = ph - 32;
        const int buttonsW = 3 * 64;
        const int captionW = m_chartCaption->fontMetrics().horizontalAdvance(m_chartCaption->text()) + 12;
        // The box's own size hint counts its style sheet's padding and arrow,
        // so the longest chart name shows whole.
        const int room = r.width() - captionW - buttonsW - 8;
        const int chooserW = qBound(qMin(160, room), m_chartChooser->sizeHint().width() + 8, room);
        const int x0 = qMax(0, (r.width() - captionW - chooserW - buttonsW - 8) / 2);
        m_chartPreview->setGeometry(0, 0, r.width(), rowY - 26);
        m_chartPageCount->setGeometry(0, rowY - 24, r.width(), 18);
        m_chartCaption->setGeometry(x0, rowY, captionW, 28);
        m_chartChooser->setGeometry(x0 + captionW, rowY + 1, chooserW, 26);
        int bx = x0 + captionW + chooserW + 8;
        for (QPushButton *b : {m_chartEdit, m_chartNew, m_chartDelete}) {
            b->setGeometry(bx, rowY, 60, 28);
            bx += 64;
        }
        renderChartPreview();
    }

    // Right column: summary, forecast date and today's numbers.
    m_rightPanel->setGeometry(W - 190, 10, 180, qMax(60, H - 205));
    m_summaryLabel->setGeometry(6, 6, 168, 40);
    m_forecastCaption->setGeometry(W - 190 + 8, 10 + 48, 164, 18);
    m_forecastDate->setGeometry(W - 190 + 8, 10 + 68, 164, 25);
    m_today->setGeometry(0, 98, 180, qMax(0, m_rightPanel->height() - 98));
    m_forecastCaption->raise();
    m_forecastDate->raise();
    m_layoutCaption->setGeometry(W - 190, H - 170 - 25, 180, 25);
    m_layoutChooser->setGeometry(W - 190, H - 170, 160, 25);
    m_reportManagerBut->setGeometry(W - 190 + 160, H - 170, 21, 25);
    m_toolRow->setGeometry(W - 190, H - 140, 5 * 24, 20);

    // Left column: feature buttons and the person button.
    const int step = qMin(80, (H - kPersonButtonH - 30) / FeatureCount);
    for (int f = 0; f < FeatureCount; ++f)
        m_featureButs[f]->setGeometry(8, 10 + step * featurePosition(f), kLeftColumnW, step - 6);
    m_marker->resize(4, step - 6);
    if (!m_marker->isVisible() || m_slides.isEmpty())
        m_marker->move(8, 10 + step * featurePosition(m_feature));
    m_personBut->setGeometry(8, H - kPersonButtonH - 8, kLeftColumnW, kPersonButtonH);

    m_person->setGeometry(m_personOpen ? 0 : -W, 0, W, H);
    if (m_loading)
        m_loading->setGeometry(r);

    updateEmptyHint();

    // Raise order: pages < panels < column widgets < person panel < person button.
    for (QWidget *w : qAsConst(m_allPanels))
        w->raise();
    for (QPushButton *b : m_featureButs)
        b->raise();
    m_marker->raise();
    if (m_loading)
        m_loading->raise();
    m_person->raise();
    m_personBut->raise();
}

void CQZNum::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    stopSlides();
    layoutWindow();
    placePanels(false);
}

void CQZNum::setPersonButtonText(const QString &text)
{
    m_currentFullName = text;
    const QFontMetrics fm(m_personBut->font());
    m_personBut->setText(fm.elidedText(text, Qt::ElideRight, kLeftColumnW - 24));
    m_personBut->setToolTip(text == NamePrompt ? QString() : text);
}

void CQZNum::startPulse()
{
    if (m_pulse->state() != QTimeLine::Running)
        m_pulse->start();
}

void CQZNum::stopPulse()
{
    m_pulse->stop();
    m_theme->styleWidget(m_personBut, CTheme::KindPersonButton);
}

void CQZNum::OnPersButAnim(int frame)
{
    m_personBut->setStyleSheet(m_theme->personButtonSheet(frame));
}

void CQZNum::OnPersButAnimFinish()
{
    m_pulse->setDirection(m_pulse->direction() == QTimeLine::Forward ? QTimeLine::Backward
                                                                     : QTimeLine::Forward);
    m_pulse->start();
}

bool CQZNum::datesAcceptable()
{
    // A typed date that is no date stops APPLY with the reason, so that no
    // other date is ever calculated in its place.
    const struct {
        CDateEdit *field;
        const char *caption;
    } fields[] = {{m_person->birthDate, "Birth Date"}, {m_person->partnerBirthDate, "Partner Birth Date"}};
    for (const auto &f : fields) {
        if (f.field->isTextValid())
            continue;
        QMessageBox::critical(this, QString(),
                              QStringLiteral("Error! Incorrect ") + QLatin1String(f.caption) + QStringLiteral(": ")
                                  + f.field->problem());
        f.field->setFocus();
        f.field->selectAll();
        return false;
    }
    return true;
}

void CQZNum::OnNameSel()
{
    if (m_personOpen && (!datesAcceptable() || !namesAcceptable()))
        return;
    stopPulse();
    stopSlides();
    const int W = width();
    const bool opening = !m_personOpen;
    m_person->show();
    m_person->raise();
    m_personBut->raise();
    auto *a = new QPropertyAnimation(m_person, "pos", this);
    a->setDuration(kSlideMs + 150);
    a->setStartValue(m_person->pos());
    if (opening) {
        a->setEasingCurve(QEasingCurve::InOutExpo);
        a->setEndValue(QPoint(0, 0));
        m_personBut->setText(QStringLiteral("APPLY"));
        m_personOpen = true;
        m_person->fullName->setFocus();
    } else {
        a->setEasingCurve(QEasingCurve::OutExpo);
        a->setEndValue(QPoint(-W, 0));
        m_personOpen = false;
        OnCalcNum();
    }
    slotPNC(m_forecastDate->date());

    QEventLoop loop;
    connect(a, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
    a->start();
    if (a->state() == QAbstractAnimation::Running)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    delete a;

    if (!opening) {
        m_person->hide();
        if (m_person->fullName->text().trimmed().isEmpty()) {
            setPersonButtonText(NamePrompt);
            startPulse();
        } else {
            setPersonButtonText(m_num.fullNameUpper.isEmpty() ? m_person->fullName->text()
                                                               : m_currentFullName);
        }
    }
    layoutWindow();
    placePanels(false);
}

bool CQZNum::reachableByTab(const QWidget *w) const
{
    if (!w || w == this || w->isWindow() || !isAncestorOf(w) || w->focusProxy())
        return false;
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible())
        return false;
    // The open person panel covers everything but itself and its button.
    if (m_personOpen && w != m_personBut && !m_person->isAncestorOf(w))
        return false;
    // Parked panels wait below the window's edge.
    const QRect r(w->mapTo(this, QPoint(0, 0)), w->size());
    return rect().contains(r.center());
}

QList<QWidget *> CQZNum::tabStops() const
{
    // Three columns as shown: the feature buttons with the person button
    // under them, the page, then the right column. Within the page and the
    // right column, rows top to bottom and each row left to right; a row is
    // what starts above the middle of its first (topmost) control.
    QList<QWidget *> left;
    for (int pos = 0; pos < FeatureCount; ++pos) {
        for (int f = 0; f < FeatureCount; ++f) {
            if (featurePosition(f) == pos && reachableByTab(m_featureButs[f]))
                left << m_featureButs[f];
        }
    }
    if (reachableByTab(m_personBut))
        left << m_personBut;
    struct Stop {
        QWidget *w;
        QRect r;
    };
    QVector<Stop> columns[2];
    const int rightEdge = width() - kRightColumnW;
    const QList<QWidget *> all = findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (left.contains(w) || !reachableByTab(w))
            continue;
        const QRect r(w->mapTo(this, QPoint(0, 0)), w->size());
        columns[r.center().x() >= rightEdge ? 1 : 0].append({w, r});
    }
    QList<QWidget *> order = left;
    for (QVector<Stop> &c : columns) {
        std::stable_sort(c.begin(), c.end(), [](const Stop &a, const Stop &b) { return a.r.top() < b.r.top(); });
        for (int i = 0; i < c.size();) {
            const int rowEnd = c.at(i).r.top() + c.at(i).r.height() / 2;
            int j = i + 1;
            while (j < c.size() && c.at(j).r.top() < rowEnd)
                ++j;
            std::stable_sort(c.begin() + i, c.begin() + j, [](const Stop &a, const Stop &b) {
                return a.r.left() != b.r.left() ? a.r.left() < b.r.left() : a.r.top() < b.r.top();
            });
            for (int k = i; k < j; ++k)
                order << c.at(k).w;
            i = j;
        }
    }
    return order;
}

bool CQZNum::focusNextPrevChild(bool next)
{
    QWidget *start = focusWidget();
    if (!start || !isAncestorOf(start))
        return QMainWindow::focusNextPrevChild(next);
    if (!m_personOpen) {
        const QList<QWidget *> stops = tabStops();
        // Focus may sit in a part of a stop (a date field's editor).
        QWidget *at = start;
        while (at && at != this && !stops.contains(at))
            at = at->parentWidget();
        const int i = at ? stops.indexOf(at) : -1;
        if (i >= 0) {
            const int n = stops.size();
            stops.at((i + (next ? 1 : n - 1)) % n)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    // The person panel keeps its fields' own order; it is made in screen order.
    QWidget *w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (reachableByTab(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w && w != start);
    return false;
}
