#include "kill_code_dialog.h"

#include "editor/dialog_units.h"
#include "hex_key_filter.h"
#include "latin1_text.h"

#include "image/image_layout.h"
#include "image/text_field.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kKillSwitchOn = 0;

QLineEdit* CreateCodeEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setMaxLength(static_cast<int>(layout::kTextFieldSize));
    // Only typed hex digits may reach a code: no pasting, dropping or
    // composing of other characters.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return edit;
}

} // namespace

CKillCodeDialog::CKillCodeDialog(RadioImage& image, QWidget* parent)
    : QDialog(parent)
    , m_image(image)
    , m_shownKillCode{layout::kKillCode, {}}
    , m_shownRemoveKillCode{layout::kRemoveKillCode, {}}
{
    setWindowTitle(tr("Kill Code"));
    setAccessibleName(windowTitle());
    setFont(QFont(FormFontFamily(), 9));
    CreateControls();
    new HexKeyFilter(this);
    OnInitDialog();
}

CKillCodeDialog::~CKillCodeDialog()
{
    if (!m_bStored)
        StoreToImage();
}

void CKillCodeDialog::CreateControls()
{
    const DialogUnits units(font());
    setFixedSize(units.size(149, 73));

    const auto addRow = [&](const QString& text, QWidget* control, int y) {
        auto* label = new QLabel(text, this);
        label->setAccessibleName(text);
        label->setBuddy(control);
        label->setGeometry(units.rect(8, y, 60, 12));
        control->setGeometry(units.rect(72, y, 68, 12));
    };

    // Created in tab order: the Kill Switch first, so it has the focus.
    m_comboKillSwitch = new QComboBox(this);
    m_comboKillSwitch->setAccessibleName(tr("Kill Switch"));
    addRow(tr("Kill Switch"), m_comboKillSwitch, 10);

    m_editKillCode = CreateCodeEdit(this, tr("Kill Code"));
    addRow(tr("Kill Code"), m_editKillCode, 30);

    m_editRemoveKillCode = CreateCodeEdit(this, tr("Remove Kill Code"));
    addRow(tr("Remove Kill Code"), m_editRemoveKillCode, 50);
}

void CKillCodeDialog::OnInitDialog()
{
    m_comboKillSwitch->clear();
    m_comboKillSwitch->addItem(tr("On"));
    m_comboKillSwitch->addItem(tr("Off"));
    const bool on = m_image.byte(layout::kFunctionBits) & layout::kKillSwitchBit;
    m_comboKillSwitch->setCurrentIndex(on ? kKillSwitchOn : 1);

    m_shownKillCode.text = BytesToText(QByteArray::fromStdString(ReadTextField(m_image, layout::kKillCode)));
    m_editKillCode->setText(m_shownKillCode.text);
    m_shownRemoveKillCode.text = BytesToText(QByteArray::fromStdString(ReadTextField(m_image, layout::kRemoveKillCode)));
    m_editRemoveKillCode->setText(m_shownRemoveKillCode.text);
}

int CKillCodeDialog::DoModal()
{
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CKillCodeDialog::done(int result)
{
    StoreToImage();
    QDialog::done(result);
}

// Without buttons there is no default button to take Enter, so the dialog
// takes it itself.
void CKillCodeDialog::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CKillCodeDialog::StoreToImage()
{
    m_bStored = true;

    std::uint8_t function = m_image.byte(layout::kFunctionBits);
    if (m_comboKillSwitch->currentIndex() == kKillSwitchOn)
        function |= layout::kKillSwitchBit;
    else
        function &= static_cast<std::uint8_t>(~layout::kKillSwitchBit);
    m_image.setByte(layout::kFunctionBits, function);

    StoreCode(m_shownKillCode, *m_editKillCode);
    StoreCode(m_shownRemoveKillCode, *m_editRemoveKillCode);
}

// A code the user left as shown keeps all eight bytes, also those after its
// first 0xFF, which the text cannot show; a changed one is rewritten.
void CKillCodeDialog::StoreCode(const ShownField& shown, const QLineEdit& edit)
{
    if (edit.text() == shown.text)
        return;
    WriteTextField(m_image, shown.offset, TextToBytes(edit.text()).toStdString());
}
