#include "MapListLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QLatin1StringView separator = ", "_L1;
// How many names assistive tools read before they are told how many more there are.
constexpr qsizetype spokenNames = 50;

// Assistive tools read the list as a piece of static text, named by the maps it shows, with the frame's caption
// as its label. The whole list is its value.
class MapListAccessible : public QAccessibleWidget
{
public:
    explicit MapListAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const MapListLabel *>(widget());
        if (kind == QAccessible::Name)
            return label->spokenText();
        if (kind == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == "MapListLabel"_L1 && object && object->isWidgetType())
        return new MapListAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

MapListLabel::MapListLabel(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(accessibleInstalled);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(false);

    auto *copy = new QAction(tr("&Copy"), this);
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(m_text); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    measure();
}

void MapListLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    measure();
    if (QAccessible::isActive()) {
        QAccessibleEvent nameChange(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChange);
        QAccessibleValueChangeEvent valueChange(this, text);
        QAccessible::updateAccessibility(&valueChange);
    }
}

QString MapListLabel::spokenText() const
{
    if (m_items.size() <= spokenNames)
        return m_text;
    // Only the names are cut out, without building the whole list again; an item's length counts the ", " after it.
    const Item &last = m_items.at(spokenNames - 1);
    return tr("%1 and %2 more")
        .arg(QStringView(m_text).first(last.start + last.length - separator.size()),
             QString::number(m_items.size() - spokenNames));
}

qreal MapListLabel::advance(QChar c)
{
    // A name's width is the sum of its characters' advances: close enough for placing whole names on lines,
    // and cheap for thousands of them, as each character is measured once. Map names are nearly all Latin-1,
    // whose advances are kept in a plain table.
    const char16_t unit = c.unicode();
    if (unit < m_latin1Advances.size() && m_latin1Advances[unit] >= 0)
        return m_latin1Advances[unit];
    if (unit >= m_latin1Advances.size()) {
        const auto it = m_advances.constFind(unit);
        if (it != m_advances.cend())
            return *it;
    }
    const qreal width = QFontMetricsF(font()).horizontalAdvance(c);
    if (unit < m_latin1Advances.size())
        m_latin1Advances[unit] = width;
    else
        m_advances.insert(unit, width);
    return width;
}

void MapListLabel::measure()
{
    m_items.clear();
    m_latin1Advances.fill(-1);
    m_advances.clear();
    m_lineHeight = QFontMetrics(font()).lineSpacing();
    const qreal comma = advance(u',');
    // One pass over the text: a name ends at each ", ".
    const QChar *text = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype start = 0;
    qreal width = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] == u',' && i + 1 < size && text[i + 1] == u' ') {
            m_items.append({start, i + separator.size() - start, width + comma});
            start = i + separator.size();
            width = 0;
            ++i;
        } else {
            const char16_t unit = text[i].unicode();
            width += unit < m_latin1Advances.size() && m_latin1Advances[unit] >= 0 ? m_latin1Advances[unit]
                                                                                   : advance(text[i]);
        }
    }
    if (start < size)
        m_items.append({start, size - start, width});
    wrap();
}

void MapListLabel::wrap()
{
    m_lineStarts.clear();
    const qreal available = viewport()->width();
    const qreal blank = advance(u' ');
    qreal x = 0;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_lineStarts.isEmpty() || (x > 0 && x + m_items.at(i).width > available)) {
            m_lineStarts.append(i);
            x = 0;
        }
        x += m_items.at(i).width + blank;
    }
    const int contentHeight = int(m_lineStarts.size()) * m_lineHeight;
    verticalScrollBar()->setRange(0, std::max(0, contentHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(m_lineHeight);
    viewport()->update();
}

void MapListLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::WindowText));
    const int top = verticalScrollBar()->value();
    const int ascent = QFontMetrics(font()).ascent();
    const qsizetype firstLine = m_lineHeight > 0 ? top / m_lineHeight : 0;
    for (qsizetype line = firstLine; line < m_lineStarts.size(); ++line) {
        const int y = int(line) * m_lineHeight - top;
        if (y > viewport()->height())
            break;
        // A line is drawn as one run of text, its names with the ", " between them, rather than name by name:
        // each run is shaped afresh.
        const qsizetype end = line + 1 < m_lineStarts.size() ? m_lineStarts.at(line + 1) : m_items.size();
        const qsizetype start = m_items.at(m_lineStarts.at(line)).start;
        const Item &last = m_items.at(end - 1);
        QStringView run = QStringView(m_text).sliced(start, last.start + last.length - start);
        if (run.endsWith(separator))
            run.chop(separator.size());
        painter.drawText(QPointF(0, y + ascent), run.toString());
    }
}

void MapListLabel::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    wrap();
}

void MapListLabel::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measure();
}

QSize MapListLabel::sizeHint() const
{
    return {200, 4 * std::max(m_lineHeight, 1)};
}

QSize MapListLabel::minimumSizeHint() const
{
    return {50, std::max(m_lineHeight, 1)};
}
