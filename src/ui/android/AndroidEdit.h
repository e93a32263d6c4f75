#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class AndroidDocument;

namespace Ui {
class AndroidEdit;
}

// Changes the bot selected in the editor, or with Apply To All the skill and team of every bot. It acts on the
// row selected when Done is pressed, as the editor stays usable while it is open.
class AndroidEdit : public QDialog
{
    Q_OBJECT

public:
    AndroidEdit(AndroidDocument &document, std::function<int()> selectedRow, QWidget *parent = nullptr);
    ~AndroidEdit() override;

    // Fills the boxes from the bot at row; Apply To All starts unchecked.
    void fillFrom(int row);

private:
    void editBot();

    std::unique_ptr<Ui::AndroidEdit> m_ui;
    AndroidDocument &m_document;
    std::function<int()> m_selectedRow;
};
