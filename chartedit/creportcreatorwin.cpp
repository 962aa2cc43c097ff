#include "chartedit/creportcreatorwin.h"

#include "chartedit/creatorwindowstate.h"
#include "chartedit/creportcreator.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

CReportCreatorWin::CReportCreatorWin(const ChartProfile &profile, int mode, CTheme *theme,
                                     QWidget *parent)
    : CDlgWin(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    m_creator = new CReportCreator(profile, mode, theme, this);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_creator);
    setMinimumSize(800, 500);
    resize(1000, 640);
    setWindowTitle(QStringLiteral("Graphics Charts Creator[*]"));
    qz::checkedConnect(m_creator, SIGNAL(closeRequested()), this, SLOT(OnCloseRequested()));
}

void CReportCreatorWin::setStateFile(const QString &path)
{
    m_statePath = path;
    CreatorWindowState state;
    if (path.isEmpty() || !CreatorWindowState::read(path, state))
        return;
    QSize size = state.size.expandedTo(minimumSize());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
    if (state.columnWidths.size() == m_creator->splitter()->count())
        m_creator->splitter()->setSizes(state.columnWidths);
    if (state.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CReportCreatorWin::saveState() const
{
    if (m_statePath.isEmpty())
        return;
    CreatorWindowState state;
    state.maximized = isMaximized();
    state.size = state.maximized ? normalGeometry().size() : size();
    if (!state.size.isValid())
        state.size = size();
    state.columnWidths = m_creator->splitter()->sizes();
    state.write(m_statePath); // a window size is not worth an error message
}

void CReportCreatorWin::OnCloseRequested()
{
    accept();
}

void CReportCreatorWin::closeEvent(QCloseEvent *event)
{
    if (m_creator->maybeClose()) {
        event->accept();
        CDlgWin::closeEvent(event);
    } else {
        event->ignore();
    }
}

void CReportCreatorWin::done(int result)
{
    saveState();
    CDlgWin::done(result);
}
