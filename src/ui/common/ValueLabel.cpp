#include "ValueLabel.h"

#include <QAccessibleWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

class ValueLabelAccessible : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text kind) const override
    {
        // QLabel already tells assistive tools when its text changes, as a change of name.
        if (kind == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == "ValueLabel"_L1 && object && object->isWidgetType())
        return new ValueLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(accessibleInstalled);
    // A value comes from a file and is shown as it is written there, never as markup.
    setTextFormat(Qt::PlainText);
}
