#pragma once

#include <QLabel>

class CTheme;
class QLineEdit;

/**
 * A hint shown inside an empty line edit in a dimmed, italic face. Style
 * sheets give a field's placeholder the same colour as typed text, so the
 * hint is drawn by this label instead; it lets every click through to the
 * field and hides as soon as the field holds text.
 */
class CFieldHint : public QLabel
{
    Q_OBJECT
public:
    CFieldHint(QLineEdit *field, const QString &hint, CTheme *theme);

    /** Restyles the hint in the current theme's colours. */
    void applyTheme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void OnFieldChanged();

private:
    QLineEdit *m_field = nullptr;
    CTheme *m_theme = nullptr;
};
