#pragma once

#include <QWidget>

class CDateEdit;
class CFieldHint;
class CInfoNameWidget;
class CTheme;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

/**
 * The sliding person panel: inputs of the person and the partner, the name
 * panels that show the letters while typing, the recent-person buttons and
 * the file buttons. It holds widgets only; the main window drives them.
 */
class CPersonPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RecentCount = 7;

    CPersonPanel(CTheme *theme, QWidget *parent = nullptr);

    /** Applies "dd/MM/yyyy" (true) or "MM/dd/yyyy" to the panel's date edits. */
    void setDayFirst(bool dayFirst);
    void applyTheme(CTheme *theme);
    /** Sets a recent button's text (lines split by newline), elided to fit. */
    void setRecentText(int index, const QString &text);

    QLineEdit *fullName = nullptr;
    QLineEdit *shortName = nullptr;
    CDateEdit *birthDate = nullptr;
    QComboBox *gender = nullptr;
    QCheckBox *chaldean = nullptr;
    QComboBox *phonetic = nullptr;
    QLineEdit *partnerFullName = nullptr;
    QLineEdit *partnerShortName = nullptr;
    CDateEdit *partnerBirthDate = nullptr;
    CInfoNameWidget *nameView = nullptr;
    CInfoNameWidget *partnerNameView = nullptr;
    QPushButton *recent[RecentCount] = {};
    QPushButton *clearRecent = nullptr;
    QPushButton *newPerson = nullptr;
    QPushButton *openFile = nullptr;
    QPushButton *saveFile = nullptr;

signals:
    /** Enter pressed in one of the inputs: the user is done. */
    void applyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    CTheme *m_theme = nullptr;
    QGroupBox *m_personBox = nullptr;
    QGroupBox *m_partnerBox = nullptr;
    QGroupBox *m_recentBox = nullptr;
    QList<CFieldHint *> m_hints;

    void elideRecent(int index);
};
