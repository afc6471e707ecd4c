#include "player/CSetFieldDlg.h"

#include "document/CGameDocument.h"
#include "gamedata/PlayerFields.h"
#include "player/FieldWords.h"
#include "services/HtmlHelp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

// The fields offered, in the order the form shows them.
struct FieldRow
{
    const char* key;
    const char* label;
};

constexpr FieldRow kFields[] = {
    {"salary", QT_TRANSLATE_NOOP("CSetFieldDlg", "Salary")},
    {"contract", QT_TRANSLATE_NOOP("CSetFieldDlg", "Contract Length")},
    {"origin", QT_TRANSLATE_NOOP("CSetFieldDlg", "Origin")},
    {"type", QT_TRANSLATE_NOOP("CSetFieldDlg", "Type")},
    {"bowl_style", QT_TRANSLATE_NOOP("CSetFieldDlg", "Bowling")},
    {"bowl_arm", QT_TRANSLATE_NOOP("CSetFieldDlg", "Arm")},
    {"bats_right", QT_TRANSLATE_NOOP("CSetFieldDlg", "Bats")},
};

} // namespace

CSetFieldDlg::CSetFieldDlg(const CGame& game, QWidget* parent) : QDialog(parent), m_game(game)
{
    setObjectName(QStringLiteral("setFieldDlg"));
    setWindowTitle(tr("Set Field"));
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("comboField"));
    for (const FieldRow& row : kFields)
        m_field->addItem(tr(row.label), QString::fromLatin1(row.key));
    m_operation = new QComboBox(this);
    m_operation->setObjectName(QStringLiteral("comboOperation"));
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("spinValue"));
    m_number->setRange(0, std::numeric_limits<int>::max());
    m_word = new QComboBox(this);
    m_word->setObjectName(QStringLiteral("comboValue"));
    m_word->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* value = new QHBoxLayout;
    value->addWidget(m_number);
    value->addWidget(m_word);

    auto* form = new QFormLayout;
    form->addRow(tr("Field:"), m_field);
    form->addRow(tr("Operation:"), m_operation);
    form->addRow(tr("Value:"), value);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AttachHelp(this, "Orbek.chm::/Html/PlayersTable.htm", buttons);
    connect(m_field, &QComboBox::currentIndexChanged, this, &CSetFieldDlg::ShowField);
    ShowField();
}

std::string CSetFieldDlg::FieldKey() const
{
    return m_field->currentData().toString().toStdString();
}

QString CSetFieldDlg::FieldLabel() const
{
    return m_field->currentText();
}

PlayerBatch::Operation CSetFieldDlg::ChosenOperation() const
{
    return static_cast<PlayerBatch::Operation>(m_operation->currentData().toInt());
}

std::int32_t CSetFieldDlg::Value() const
{
    return m_bNamed ? m_word->currentData().toInt() : m_number->value();
}

// Shows the operations and the value box the chosen field takes.
void CSetFieldDlg::ShowField()
{
    using PlayerBatch::Operation;
    const std::string key = FieldKey();
    m_word->clear();
    if (key == "origin") {
        // As the form's origin list: the team names after the list's first, empty entry.
        const auto& names = m_game.NameList(0);
        for (std::size_t id = 1; id < names.size(); ++id)
            m_word->addItem(CGameDocument::GameText(names[id]), static_cast<int>(id));
    } else {
        const QStringList words = FormWords(key);
        for (int stored = 0; stored < words.size(); ++stored)
            m_word->addItem(words[stored], stored);
    }
    m_bNamed = key == "origin" || m_word->count() > 0;
    m_word->setVisible(m_bNamed);
    m_number->setVisible(!m_bNamed);

    m_operation->clear();
    m_operation->addItem(tr("Set to"), static_cast<int>(Operation::Set));
    if (!m_bNamed && PlayerBatch::Counts(PlayerFields::Field(key))) {
        m_operation->addItem(tr("Add"), static_cast<int>(Operation::Add));
        m_operation->addItem(tr("Subtract"), static_cast<int>(Operation::Subtract));
        m_operation->addItem(tr("Multiply by %"), static_cast<int>(Operation::MultiplyPercent));
    }
}
