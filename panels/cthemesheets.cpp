#include "panels/cthemesheets.h"

// Palette of the base theme:
//   #2c2420 window            #44372f raised surface     #5c524c borders
//   #eddbb2 headings/accent   #ece7e0 body text          #826a5c selection
//   #b89b72 focus ring        #231c19 input wells        #7d716a disabled text
// Only six-digit colours appear here: every "#" is recoloured by the theme.

namespace {

// Rules shared by every widget that sits on the dark background. Set on the
// main window and on dialogs; children inherit them through the cascade.
QString generalRules()
{
    return QStringLiteral(R"QSS(
QWidget { color: #ece7e0; font-family: "Arial", "Liberation Sans", sans-serif; font-size: 12px; }
QDialog { background-color: #2c2420; }
QLabel { color: #ece7e0; background: transparent; }
QToolTip { color: #2c2420; background-color: #eddbb2; border: 1px solid #8a7a6e; padding: 3px 6px; }

QPushButton {
  color: #eddbb2; font-weight: bold;
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #56473d, stop:1 #44372f);
  border: 1px solid #6a5d55; border-radius: 4px; padding: 5px 14px; min-height: 14px;
}
QPushButton:hover {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #66554a, stop:1 #524239);
  border-color: #9a8a7c;
}
QPushButton:pressed { background-color: #382d27; border-color: #5c524c; }
QPushButton:checked { background-color: #382d27; border-color: #b89b72; }
QPushButton:default { border-color: #b89b72; }
QPushButton:disabled { color: #7d716a; background-color: #352b26; border-color: #4a3f38; }
QPushButton:flat { background: transparent; border: none; }
QPushButton:focus { border-color: #eddbb2; outline: none; }

QLineEdit, QTextEdit, QPlainTextEdit, QSpinBox, QDoubleSpinBox, QDateEdit, QTimeEdit, QDateTimeEdit {
  color: #f4ece0; background-color: #231c19;
  border: 1px solid #5c524c; border-radius: 3px; padding: 3px 5px;
  selection-background-color: #826a5c; selection-color: #ffffff;
}
QLineEdit:hover, QTextEdit:hover, QPlainTextEdit:hover, QSpinBox:hover, QDoubleSpinBox:hover,
QDateEdit:hover, QTimeEdit:hover, QDateTimeEdit:hover { border-color: #7a6b61; }
QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, QSpinBox:focus, QDoubleSpinBox:focus,
QDateEdit:focus, QTimeEdit:focus, QDateTimeEdit:focus { border-color: #b89b72; }
QLineEdit:disabled, QTextEdit:disabled, QPlainTextEdit:disabled, QSpinBox:disabled,
QDoubleSpinBox:disabled, QDateEdit:disabled, QTimeEdit:disabled, QDateTimeEdit:disabled {
  color: #7d716a; background-color: #2a221e; border-color: #44372f;
}
QLineEdit[dateInvalid="true"] { border: 2px solid #f06040; background-color: #3a1f19; }
QSpinBox, QDoubleSpinBox, QDateEdit, QTimeEdit, QDateTimeEdit { padding-right: 18px; }
QSpinBox::up-button, QDoubleSpinBox::up-button, QDateEdit::up-button, QTimeEdit::up-button,
QDateTimeEdit::up-button {
  subcontrol-origin: border; subcontrol-position: top right; width: 16px;
  border: none; border-left: 1px solid #5c524c; border-top-right-radius: 3px; background-color: #3a2f29;
}
QSpinBox::down-button, QDoubleSpinBox::down-button, QDateEdit::down-button, QTimeEdit::down-button,
QDateTimeEdit::down-button {
  subcontrol-origin: border; subcontrol-position: bottom right; width: 16px;
  border: none; border-left: 1px solid #5c524c; border-bottom-right-radius: 3px; background-color: #3a2f29;
}
QSpinBox::up-button:hover, QDoubleSpinBox::up-button:hover, QDateEdit::up-button:hover,
QTimeEdit::up-button:hover, QDateTimeEdit::up-button:hover,
QSpinBox::down-button:hover, QDoubleSpinBox::down-button:hover, QDateEdit::down-button:hover,
QTimeEdit::down-button:hover, QDateTimeEdit::down-button:hover { background-color: #54453b; }
QSpinBox::up-arrow, QDoubleSpinBox::up-arrow, QDateEdit::up-arrow, QTimeEdit::up-arrow,
QDateTimeEdit::up-arrow { image: url(IMGDIR/arrow-up.png); width: 9px; height: 6px; }
QSpinBox::down-arrow, QDoubleSpinBox::down-arrow, QDateEdit::down-arrow, QTimeEdit::down-arrow,
QDateTimeEdit::down-arrow { image: url(IMGDIR/arrow-down.png); width: 9px; height: 6px; }
QDateEdit::drop-down, QDateTimeEdit::drop-down {
  subcontrol-origin: padding; subcontrol-position: center right; width: 18px;
  border: none; border-left: 1px solid #5c524c;
}

QComboBox {
  color: #eddbb2; background-color: #44372f;
  border: 1px solid #6a5d55; border-radius: 3px; padding: 3px 22px 3px 7px; min-height: 16px;
}
QComboBox:hover { border-color: #9a8a7c; background-color: #4c3e35; }
QComboBox:on { background-color: #382d27; }
QComboBox:disabled { color: #7d716a; background-color: #352b26; border-color: #4a3f38; }
QComboBox:editable { color: #f4ece0; background-color: #231c19; }
QComboBox:focus { border-color: #eddbb2; }
QComboBox::drop-down {
  subcontrol-origin: padding; subcontrol-position: center right; width: 20px; border: none;
}
QComboBox::down-arrow { image: url(IMGDIR/arrow-down.png); width: 9px; height: 6px; }
QComboBox QAbstractItemView {
  color: #ece7e0; background-color: #2c2420; border: 1px solid #6a5d55; padding: 2px;
  selection-background-color: #826a5c; selection-color: #ffffff; outline: 0;
}

QCheckBox, QRadioButton { color: #ece7e0; spacing: 7px; background: transparent; }
QCheckBox:disabled, QRadioButton:disabled { color: #7d716a; }
QCheckBox::indicator, QGroupBox::indicator {
  width: 13px; height: 13px; border: 1px solid #8a7a6e; border-radius: 3px; background-color: #231c19;
}
QCheckBox::indicator:hover, QGroupBox::indicator:hover { border-color: #eddbb2; }
QCheckBox::indicator:checked, QGroupBox::indicator:checked {
  background-color: #eddbb2; border-color: #eddbb2; image: url(IMGDIR/check.png);
}
QCheckBox::indicator:disabled { border-color: #4a3f38; background-color: #2a221e; }
QCheckBox::indicator:focus { border-color: #eddbb2; }
QRadioButton::indicator {
  width: 13px; height: 13px; border: 1px solid #8a7a6e; border-radius: 7px; background-color: #231c19;
}
QRadioButton::indicator:hover { border-color: #eddbb2; }
QRadioButton::indicator:checked {
  border-color: #eddbb2;
  background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
    stop:0 #eddbb2, stop:0.5 #eddbb2, stop:0.6 #231c19, stop:1 #231c19);
}

QGroupBox {
  color: #eddbb2; font-weight: bold;
  border: 1px solid #5c524c; border-radius: 5px; margin-top: 16px; padding: 8px 6px 6px 6px;
}
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px; padding: 0 5px; }

QListView, QTreeView, QTableView, QColumnView {
  color: #ece7e0; background-color: #241d1a; alternate-background-color: #2a221e;
  border: 1px solid #5c524c; border-radius: 3px; outline: 0;
  selection-background-color: #826a5c; selection-color: #ffffff;
}
QListView::item, QTreeView::item { padding: 2px 3px; }
QListView::item:hover, QTreeView::item:hover { background-color: #3d322b; }
QListView::item:selected, QTreeView::item:selected, QTableView::item:selected {
  color: #ffffff; background-color: #826a5c;
}
QHeaderView { background-color: #44372f; }
QHeaderView::section {
  color: #eddbb2; background-color: #44372f; padding: 4px 6px;
  border: none; border-right: 1px solid #5c524c; border-bottom: 1px solid #5c524c;
}
QTableCornerButton::section { background-color: #44372f; border: none; }

QTabWidget::pane { border: 1px solid #5c524c; border-radius: 4px; top: -1px; background-color: #2c2420; }
QTabBar::tab {
  color: #b8aa9c; background-color: #362c26; border: 1px solid #5c524c; border-bottom: none;
  padding: 5px 14px; margin-right: 2px; border-top-left-radius: 4px; border-top-right-radius: 4px;
}
QTabBar::tab:selected { color: #eddbb2; background-color: #44372f; }
QTabBar::tab:hover:!selected { color: #eddbb2; background-color: #3d322b; }

QScrollBar:vertical { background-color: #2a221e; width: 11px; margin: 0; border: none; }
QScrollBar:horizontal { background-color: #2a221e; height: 11px; margin: 0; border: none; }
QScrollBar::handle:vertical { background-color: #5c524c; min-height: 28px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:horizontal { background-color: #5c524c; min-width: 28px; border-radius: 4px; margin: 2px; }
QScrollBar::handle:hover { background-color: #8a7a6e; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
QAbstractScrollArea::corner { background-color: #2a221e; border: none; }

QSlider::groove:horizontal { height: 4px; background-color: #231c19; border: 1px solid #5c524c; border-radius: 2px; }
QSlider::handle:horizontal {
  width: 12px; margin: -6px 0; border-radius: 6px; background-color: #eddbb2; border: 1px solid #8a7a6e;
}

QToolButton {
  color: #eddbb2; background: transparent; border: 1px solid transparent; border-radius: 3px; padding: 2px;
}
QToolButton:hover { background-color: #4c3e35; border-color: #6a5d55; }
QToolButton:pressed, QToolButton:checked { background-color: #382d27; border-color: #8a7a6e; }
QToolBar { background-color: #362c26; border: none; border-bottom: 1px solid #5c524c; spacing: 2px; padding: 2px; }
QStatusBar { color: #b8aa9c; background-color: #241d1a; border-top: 1px solid #44372f; }
QSplitter::handle { background-color: #3a2f29; }
QSplitter::handle:hover { background-color: #5c524c; }
QFrame[frameShape="4"] { border: none; min-height: 2px; max-height: 2px; border-image: url(IMGDIR/hline.png) 0 0 0 0 stretch stretch; }

QCalendarWidget QToolButton { color: #eddbb2; background: transparent; border: none; padding: 3px 6px; font-weight: bold; }
QCalendarWidget QToolButton:hover { background-color: #4c3e35; border-radius: 3px; }
QCalendarWidget QAbstractItemView:enabled {
  color: #ece7e0; background-color: #241d1a; alternate-background-color: #2a221e;
  selection-background-color: #826a5c; selection-color: #ffffff; border: none;
}
QCalendarWidget QAbstractItemView:disabled { color: #6a5d55; }
QCalendarWidget QWidget { alternate-background-color: #362c26; }
QWidget[objectName="qt_calendar_navigationbar"] {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #56473d, stop:1 #44372f);
}
QToolButton[objectName="qt_calendar_prevmonth"] { qproperty-icon: url(IMGDIR/cal-prev.png); }
QToolButton[objectName="qt_calendar_nextmonth"] { qproperty-icon: url(IMGDIR/cal-next.png); }
)QSS");
}

QString menuRules()
{
    return QStringLiteral(R"QSS(
QMenu { color: #ece7e0; background-color: #2c2420; border: 1px solid #6a5d55; padding: 4px 0; }
QMenu::item { padding: 5px 28px 5px 24px; background: transparent; }
QMenu::item:selected { color: #ffffff; background-color: #826a5c; }
QMenu::item:disabled { color: #7d716a; }
QMenu::separator { height: 1px; background-color: #5c524c; margin: 4px 10px; }
QMenu::indicator { width: 12px; height: 12px; left: 7px; }
QMenu::indicator:checked { image: url(IMGDIR/menu-check.png); }
QMenu::right-arrow { image: url(IMGDIR/arrow-right.png); width: 6px; height: 9px; right: 8px; }
)QSS");
}

}  // namespace

QStringList qzBaseStyleSheets()
{
    QStringList s;
    // 0: dialogs and every widget kind without a sheet of its own.
    s << generalRules() + menuRules();
    // 1: check boxes and date edits that sit directly on a page.
    s << generalRules() + menuRules();
    // 2: captions.
    s << QStringLiteral(R"QSS(
QLabel { color: #eddbb2; background: transparent; font-family: "Arial", sans-serif;
  font-size: 13px; font-weight: bold; }
QLabel:disabled { color: #7d716a; }
)QSS");
    // 3: framed content pages.
    s << QStringLiteral(R"QSS(
.QFrame, .QWidget, .QStackedWidget { background-color: #2a221e; }
.QFrame { border: 1px solid #5c524c; border-radius: 5px; }
)QSS");
    // 4: read-only text over the dark background (day texts, expanding panels).
    s << QStringLiteral(R"QSS(
QTextBrowser, QTextEdit { color: #ffffff; background: transparent; border: none;
  font-family: "Arial", sans-serif; font-size: 14px; selection-background-color: #826a5c; }
QScrollBar:vertical { background: transparent; width: 9px; margin: 0; border: none; }
QScrollBar::handle:vertical { background-color: #5c524c; min-height: 24px; border-radius: 3px; margin: 1px; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
)QSS");
    // 5: pop-up menus.
    s << menuRules();
    // 6: flat image buttons (tool row).
    s << QStringLiteral(R"QSS(
QPushButton, QToolButton { background: transparent; border: 1px solid transparent; border-radius: 4px; padding: 0px; }
QPushButton:hover, QToolButton:hover { background-color: #4c3e35; border-color: #6a5d55; }
QPushButton:pressed, QToolButton:pressed { background-color: #382d27; border-color: #8a7a6e; }
QPushButton:focus, QToolButton:focus { border-color: #eddbb2; outline: none; }
)QSS");
    // 7: progress bars; the same in every theme.
    s << QStringLiteral(R"QSS(
QProgressBar { color: #2c2420; background-color: #231c19; border: 1px solid #5c524c; border-radius: 4px;
  text-align: center; font-weight: bold; min-height: 14px; }
QProgressBar::chunk { border-radius: 3px;
  background-color: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #9cb62d, stop:1 #c9dc74); }
)QSS");
    // 8: the main window; everything inside inherits the general rules.
    s << QStringLiteral(R"QSS(
QMainWindow, CQZNum {
  background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #302722, stop:1 #261f1b);
}
)QSS") + generalRules() + menuRules();
    // 9: the person button; "#44372f" is the colour the name prompt pulses.
    s << QStringLiteral(R"QSS(
QPushButton { color: #eddbb2; background-color: #44372f; border: 1px solid #7a6b61; border-radius: 6px;
  font-family: "Arial", sans-serif; font-size: 14px; font-weight: bold; padding: 6px 12px; }
QPushButton:hover { border-color: #d4bc8e; color: #ffffff; }
QPushButton:pressed { background-color: #382d27; }
QPushButton:focus { border-color: #eddbb2; outline: none; }
)QSS");
    // 10: the feature button column (icon above text).
    s << QStringLiteral(R"QSS(
QPushButton, QToolButton { color: #d8c9b0; background: transparent; border: 1px solid transparent;
  border-radius: 8px; font-family: "Arial", sans-serif; font-size: 11px; font-weight: bold; padding: 3px; }
QPushButton:hover, QToolButton:hover { color: #ffffff; background-color: #3a2f29; border-color: #5c524c; }
QPushButton:pressed, QToolButton:pressed { background-color: #44372f; }
QPushButton:checked, QToolButton:checked { color: #eddbb2; background-color: #44372f; border-color: #7a6b61; }
QPushButton:focus, QToolButton:focus { border-color: #eddbb2; outline: none; }
)QSS");
    // 11: the sliding person panel.
    s << QStringLiteral(R"QSS(
.QWidget, .QFrame { background-color: #2a221e; }
QLabel { color: #eddbb2; background: transparent; }
QGroupBox { color: #eddbb2; border: 1px solid #5c524c; border-radius: 6px; margin-top: 16px;
  padding: 10px 8px 8px 8px; font-weight: bold; background-color: #2f2622; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 12px; padding: 0 5px; }
)QSS");
    // 12: large input fields (names).
    s << QStringLiteral(R"QSS(
QLineEdit { color: #fff6e6; background-color: #1f1916; border: 1px solid #5c524c; border-radius: 4px;
  padding: 5px 8px; font-family: "Arial", sans-serif; font-size: 15px;
  selection-background-color: #826a5c; selection-color: #ffffff; }
QLineEdit:hover { border-color: #7a6b61; }
QLineEdit:focus { border-color: #b89b72; background-color: #231c19; }
QLineEdit:disabled { color: #7d716a; background-color: #2a221e; }
)QSS");
    // 13: the report-manager button, three pictures for its states.
    s << QStringLiteral(R"QSS(
QPushButton { background: transparent; border: none; padding: 0px; border-image: url(IMAGE_S) 0 0 0 0 stretch stretch; }
QPushButton:hover { border-image: url(IMAGE_H) 0 0 0 0 stretch stretch; }
QPushButton:pressed { border-image: url(IMAGE_P) 0 0 0 0 stretch stretch; }
QPushButton:focus { border-image: url(IMAGE_H) 0 0 0 0 stretch stretch; outline: none; }
)QSS");
    return s;
}
