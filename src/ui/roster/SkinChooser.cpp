#include "SkinChooser.h"

#include "Pictures.h"
#include "RosterAddOn.h"
#include "SkinTable.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;

SkinChooser::SkinChooser(const RosterAddOn &addOn, const QStringList &teams, QComboBox *teamBox, QListWidget *skins,
                         QBoxLayout *previewLayout, QObject *parent)
    : QObject(parent)
    , m_addOn(addOn)
    , m_teamList(teams)
    , m_teams(teamBox)
    , m_skins(skins)
{
    // The box keeps whatever the user types, exactly; only a pick from its list changes the skins. An editable box
    // would otherwise complete the typing, and pick the entry that matches the typed text, in any letter case,
    // when the typing ends: when Enter is pressed or the box loses focus.
    m_teams->setInsertPolicy(QComboBox::NoInsert);
    m_teams->setCompleter(nullptr);
    if (QLineEdit *typing = m_teams->lineEdit()) {
        QObject::disconnect(typing, &QLineEdit::editingFinished, m_teams, nullptr);
        QObject::disconnect(typing, &QLineEdit::returnPressed, m_teams, nullptr);
    }
    connect(m_teams, &QComboBox::activated, this, [this](int index) { fillSkinList(m_teams->itemText(index)); });
    if (!m_skins)
        return;
    m_skins->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *preview = new QToolBar(previewLayout->parentWidget());
    preview->setObjectName(u"Toolbar1"_s);
    preview->setAccessibleName(tr("Skin Preview"));
    previewLayout->insertWidget(1, preview);
    m_picture = new QAction(preview);
    const QSize largest = Pictures::size(QString(SkinTable::skins.front().name));
    preview->setIconSize(largest);
    preview->setMovable(false);
    preview->setFloatable(false);
    preview->setToolButtonStyle(Qt::ToolButtonIconOnly);
    preview->addAction(m_picture);
    if (QWidget *button = preview->widgetForAction(m_picture)) {
        // A picture to look at, not a button to press.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAttribute(Qt::WA_TransparentForMouseEvents);
        button->setObjectName(u"Toolbar1Picture"_s);
    }

    connect(m_skins, &QListWidget::itemSelectionChanged, this, &SkinChooser::showPreview);
    showPreview();
}

void SkinChooser::setTeams()
{
    m_teams->clear();
    m_teams->addItems(m_teamList);
    m_teams->setCurrentIndex(-1);
    m_teams->setEditText(QString());
}

void SkinChooser::pickTeam(int index)
{
    m_teams->setCurrentIndex(index);
    fillSkinList(m_teams->itemText(index));
}

void SkinChooser::selectSkin(int index)
{
    if (m_skins && index >= 0 && index < m_skins->count())
        m_skins->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

QString SkinChooser::team() const
{
    return m_teams->currentText();
}

QStringList SkinChooser::skins() const
{
    QStringList skins;
    for (int row = 0; m_skins && row < m_skins->count(); ++row)
        skins << m_skins->item(row)->text();
    return skins;
}

int SkinChooser::selectedSkinRow() const
{
    if (!m_skins)
        return -1;
    const QList<QListWidgetItem *> selected = m_skins->selectedItems();
    return selected.isEmpty() ? -1 : m_skins->row(selected.constFirst());
}

QString SkinChooser::selectedSkin() const
{
    const int row = selectedSkinRow();
    return row < 0 ? QString() : m_skins->item(row)->text();
}

void SkinChooser::clear()
{
    m_teams->clear();
    m_teams->setEditText(QString());
    if (m_skins)
        m_skins->clear();
}

void SkinChooser::fillSkinList(const QString &team)
{
    if (!m_skins)
        return;
    m_skins->clear();
    m_skins->addItems(m_addOn.fillSkinList(team));
    selectSkin(0);
}

void SkinChooser::showPreview()
{
    const QString skin = selectedSkin();
    if (skin.isNull()) {
        // An empty picture of the same size keeps the dialog's layout still.
        QPixmap empty(Pictures::size(QString(SkinTable::skins.front().name)));
        empty.fill(Qt::transparent);
        m_picture->setIcon(QIcon(empty));
        m_picture->setText(tr("No skin selected"));
        m_picture->setToolTip(QString());
        return;
    }
    const QString key = RosterAddOn::skinPreview(skin);
    m_picture->setIcon(Pictures::icon(key));
    // What the picture shows, for whoever cannot see it.
    m_picture->setText(key);
    m_picture->setToolTip(key);
}
