#include "app/ui/cfieldhint.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QEvent>
#include <QLineEdit>

CFieldHint::CFieldHint(QLineEdit *field, const QString &hint, CTheme *theme)
    : QLabel(hint, field), m_field(field), m_theme(theme)
{
    setObjectName(field->objectName() + QStringLiteral("Hint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    field->setAccessibleDescription(hint);
    field->installEventFilter(this);
    qz::checkedConnect(field, SIGNAL(textChanged(QString)), this, SLOT(OnFieldChanged()));
    applyTheme();
    OnFieldChanged();
}

void CFieldHint::applyTheme()
{
    // The field's border colour: clearly dimmer than typed text, still readable.
    const QString sheet = QStringLiteral("QLabel { color: #9a8a7c; background: transparent; font-style: italic; }");
    setStyleSheet(m_theme ? m_theme->mapStyleText(sheet) : sheet);
}

void CFieldHint::OnFieldChanged()
{
    setGeometry(m_field->rect().adjusted(9, 1, -4, -1));
    setFont(m_field->font());
    setVisible(m_field->text().isEmpty());
}

bool CFieldHint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange
                               || event->type() == QEvent::StyleChange))
        OnFieldChanged();
    return QLabel::eventFilter(watched, event);
}
