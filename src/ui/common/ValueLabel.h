#pragma once

#include <QLabel>

// A label that shows a value beside its caption, such as "1.5" beside "Required CS Version:". Assistive tools read
// it by the value it shows, and by nothing while it shows nothing; the caption is tied to it as its label (a caption
// label's buddy, or the group box around it). A plain label with no text would be read by its caption instead, so
// the caption would be heard twice and the empty value not at all.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ValueLabel(QWidget *parent = nullptr);
};
