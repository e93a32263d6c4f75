#include "UpDown.h"

#include "MessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// The buddy's validator, reading the range of its up-down as it stands.
class NumberValidator : public QValidator
{
public:
    NumberValidator(UpDown *upDown, const QLineEdit *box)
        : QValidator(upDown)
        , m_upDown(upDown)
        , m_box(box)
    { }

    State validate(QString &text, int &) const override
    {
        // While the box is as the program left it (or undone back to that), the text is not the user's. This
        // takes a setText() too, which QLineEdit checks as well: it undoes a refused keystroke only when the text
        // before it was accepted.
        if (!m_box->isModified())
            return Acceptable;
        const bool negative = text.startsWith(u'-') && m_upDown->minimum() < 0;
        const QStringView digits = QStringView(text).sliced(negative ? 1 : 0);
        if (digits.isEmpty())
            return Intermediate;
        if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return Invalid;
        // More than ten digits lie beyond any int.
        const qint64 value = digits.size() > 10 ? std::numeric_limits<qint64>::max() : digits.toLongLong();
        const qint64 signedValue = negative ? -value : value;
        // Another digit takes the number further from zero: past the range on that side it cannot come back.
        if (signedValue > m_upDown->maximum())
            return negative ? Intermediate : Invalid;
        if (signedValue < m_upDown->minimum())
            return negative ? Invalid : Intermediate;
        return Acceptable;
    }

private:
    const UpDown *m_upDown;
    const QLineEdit *m_box;
};

} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::pair<QToolButton *, Qt::ArrowType> arrows[] = {{m_up, Qt::UpArrow}, {m_down, Qt::DownArrow}};
    for (const auto &[button, arrow] : arrows) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        // The keyboard steps through the text box; the arrows are for the pointer.
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
        layout->addWidget(button);
    }
    m_up->setObjectName(u"up"_s);
    m_down->setObjectName(u"down"_s);
    m_up->setAccessibleName(tr("Increase"));
    m_down->setAccessibleName(tr("Decrease"));
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT stepRequested(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT stepRequested(-1); });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void UpDown::setBuddy(QLineEdit *buddy)
{
    if (m_buddy) {
        m_buddy->removeEventFilter(this);
        disconnect(m_buddy, nullptr, this, nullptr);
        if (m_buddy->validator() && m_buddy->validator()->parent() == this)
            m_buddy->setValidator(nullptr);
    }
    m_buddy = buddy;
    if (m_buddy) {
        m_buddy->installEventFilter(this);
        m_buddy->setValidator(new NumberValidator(this, m_buddy));
        // A refused keystroke is heard, not only missed.
        connect(m_buddy, &QLineEdit::inputRejected, this, &QApplication::beep);
    }
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

QString UpDown::stepped(const QString &text, int delta) const
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return QString::number(m_minimum);
    return QString::number(std::clamp(value + delta, m_minimum, m_maximum));
}

bool UpDown::mayUseNumbers(QWidget *window)
{
    for (const UpDown *upDown : window->findChildren<UpDown *>()) {
        QLineEdit *box = upDown->m_buddy;
        if (!box || !box->isEnabled() || (!box->text().isEmpty() && box->hasAcceptableInput()))
            continue;
        MessageBox::information(
            window,
            tr("The box \"%1\" needs a number from %2 to %3. Please enter one and try again.")
                .arg(box->accessibleName(), QString::number(upDown->m_minimum), QString::number(upDown->m_maximum)));
        box->setFocus();
        box->selectAll();
        return false;
    }
    return true;
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: comparing with the guarded pointer casts the object, which while being destroyed is a plain
    // widget already.
    if (event->type() == QEvent::KeyPress && watched == m_buddy && isEnabled()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Q_EMIT stepRequested(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
