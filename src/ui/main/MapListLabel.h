#pragma once

#include <QAbstractScrollArea>
#include <QList>
#include <QString>

#include <array>

// Shows a list of names joined by ", " as flowing, wrapped text, like a word-wrapped label, but lays the names out
// itself and paints only the lines in view: a maps folder can hold ten thousand waypoint files, and a plain label
// would lay the whole paragraph out again on every size request.
class MapListLabel : public QAbstractScrollArea
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit MapListLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // The list as a screen reader speaks it: the first fifty names, then how many more there are.
    QString spokenText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Item
    {
        qsizetype start;  // into m_text
        qsizetype length; // the name with the ", " that follows it, if any
        qreal width;      // of the name and the comma; the blank after it may hang past the line's end
    };

    void measure();
    void wrap();
    qreal advance(QChar c);

    QString m_text;
    QList<Item> m_items;
    QList<qsizetype> m_lineStarts;           // the first item of each line
    std::array<qreal, 256> m_latin1Advances; // below 0 where not measured yet
    QHash<char16_t, qreal> m_advances;       // the other characters
    int m_lineHeight = 0;
};
