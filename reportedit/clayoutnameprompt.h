#pragma once

#include <QDialog>
#include <functional>

class CTheme;
class QLineEdit;

/**
 * The small name prompt of the report manager ("New setting", "Rename
 * setting", "New Name"). With a checker it stays open, showing the checker's
 * message in a box titled "Error", until a name passes or the user cancels.
 */
class CLayoutNamePrompt : public QDialog
{
    Q_OBJECT
public:
    /** @p check returns an empty string for a good name, else the message. */
    CLayoutNamePrompt(const QString &title, const QString &text, std::function<QString(const QString &)> check,
                      const CTheme *theme, QWidget *parent = nullptr);

    QString name() const;
    QLineEdit *lineEdit() const { return m_edit; }

public slots:
    void OnOk();

private:
    QLineEdit *m_edit = nullptr;
    std::function<QString(const QString &)> m_check;
};
