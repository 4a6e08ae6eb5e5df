#include "ui/dialogs/font_dialog.h"

#include "core/bgr_color.h"
#include "core/document/font_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace pukana {

namespace {

const QList<double> ListedSizes = {8,  9,  10, 10.5, 11, 12, 14, 16, 18,
                                   20, 22, 24, 26,   28, 36, 48, 72};
constexpr double SmallestSize = 1;
constexpr double LargestSize = 1638;
/// Face and size of the sample while the selection mixes them.
const QString SampleFallbackFace = QStringLiteral("ＭＳ ゴシック");
constexpr double SampleFallbackSize = 12;

QString sizeText(double points) {
    return QString::number(points, 'g', 6);
}

QIcon swatch(const QColor& colour) {
    QPixmap picture(24, 14);
    picture.fill(colour);
    return QIcon(picture);
}

/// A check box that starts in the third, "mixed" state when the selection mixes the effect,
/// and becomes an ordinary two-state box once the user clicks it.
void seedEffect(QCheckBox* box, const std::optional<bool>& value) {
    box->setTristate(!value.has_value());
    box->setCheckState(!value ? Qt::PartiallyChecked : (*value ? Qt::Checked : Qt::Unchecked));
}

QListWidget* listOf(const QString& objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    return list;
}

} // namespace

const QList<NamedColour>& basicColours() {
    static const QList<NamedColour> colours = {
        {QStringLiteral("黒"), QColor(0x00, 0x00, 0x00)},
        {QStringLiteral("マルーン"), QColor(0x80, 0x00, 0x00)},
        {QStringLiteral("緑"), QColor(0x00, 0x80, 0x00)},
        {QStringLiteral("オリーブ"), QColor(0x80, 0x80, 0x00)},
        {QStringLiteral("ネイビー"), QColor(0x00, 0x00, 0x80)},
        {QStringLiteral("紫"), QColor(0x80, 0x00, 0x80)},
        {QStringLiteral("ティール"), QColor(0x00, 0x80, 0x80)},
        {QStringLiteral("灰色"), QColor(0x80, 0x80, 0x80)},
        {QStringLiteral("シルバー"), QColor(0xC0, 0xC0, 0xC0)},
        {QStringLiteral("赤"), QColor(0xFF, 0x00, 0x00)},
        {QStringLiteral("ライム"), QColor(0x00, 0xFF, 0x00)},
        {QStringLiteral("黄"), QColor(0xFF, 0xFF, 0x00)},
        {QStringLiteral("青"), QColor(0x00, 0x00, 0xFF)},
        {QStringLiteral("フクシア"), QColor(0xFF, 0x00, 0xFF)},
        {QStringLiteral("水色"), QColor(0x00, 0xFF, 0xFF)},
        {QStringLiteral("白"), QColor(0xFF, 0xFF, 0xFF)},
    };
    return colours;
}

const QStringList& styleNames() {
    static const QStringList names = {QStringLiteral("標準"), QStringLiteral("斜体"),
                                      QStringLiteral("太字"), QStringLiteral("太字 斜体")};
    return names;
}

QStringList FontDialog::faceNames(const std::optional<QString>& seedFace) {
    QStringList names;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            names << family;
    // The Windows names documents use, drawn here by the faces that stand in for them.
    for (const auto& [name, substitutes] : faceSubstitutes())
        names << name;
    if (seedFace && !seedFace->isEmpty())
        names << *seedFace;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

FontDialog::FontDialog(const FontChoice& seed, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), choice_(seed) {
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("フォント"));
    setModal(true);
    buildLists();
    showSeed();
}

void FontDialog::buildLists() {
    auto* grid = new QGridLayout(this);
    faceList_ = listOf(QStringLiteral("faceList"), this);
    faceList_->addItems(faceNames(choice_.name));
    styleList_ = listOf(QStringLiteral("styleList"), this);
    styleList_->addItems(styleNames());
    sizeList_ = listOf(QStringLiteral("sizeList"), this);
    for (double size : ListedSizes)
        sizeList_->addItem(sizeText(size));
    sizeBox_ = new QLineEdit(this);
    sizeBox_->setObjectName(QStringLiteral("sizeBox"));
    sizeBox_->setValidator(new QDoubleValidator(SmallestSize, LargestSize, 2, sizeBox_));

    const QStringList headings = {QStringLiteral("フォント名(&F):"),
                                  QStringLiteral("スタイル(&Y):"), QStringLiteral("サイズ(&S):")};
    const QList<QWidget*> buddies = {faceList_, styleList_, sizeBox_};
    for (int column = 0; column < 3; ++column) {
        auto* heading = new QLabel(headings[column], this);
        heading->setBuddy(buddies[column]);
        grid->addWidget(heading, 0, column);
    }
    grid->addWidget(faceList_, 1, 0, 2, 1);
    grid->addWidget(styleList_, 1, 1, 2, 1);
    grid->addWidget(sizeBox_, 1, 2);
    grid->addWidget(sizeList_, 2, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto* effects = new QGroupBox(QStringLiteral("文字飾り"), this);
    auto* effectsLayout = new QGridLayout(effects);
    strikeBox_ = new QCheckBox(QStringLiteral("取り消し線(&K)"), effects);
    strikeBox_->setObjectName(QStringLiteral("strikeBox"));
    underlineBox_ = new QCheckBox(QStringLiteral("下線(&U)"), effects);
    underlineBox_->setObjectName(QStringLiteral("underlineBox"));
    colourList_ = new QComboBox(effects);
    colourList_->setObjectName(QStringLiteral("colourList"));
    for (const NamedColour& named : basicColours())
        colourList_->addItem(swatch(named.colour), named.name, toBgr(named.colour));
    auto* colourHeading = new QLabel(QStringLiteral("色(&C):"), effects);
    colourHeading->setBuddy(colourList_);
    effectsLayout->addWidget(strikeBox_, 0, 0, 1, 2);
    effectsLayout->addWidget(underlineBox_, 1, 0, 1, 2);
    effectsLayout->addWidget(colourHeading, 2, 0);
    effectsLayout->addWidget(colourList_, 2, 1);
    grid->addWidget(effects, 3, 0);

    auto* sampleBox = new QGroupBox(QStringLiteral("サンプル"), this);
    auto* sampleLayout = new QGridLayout(sampleBox);
    sample_ = new QLabel(QStringLiteral("AaBbYyZz あぁアァ亜宇"), sampleBox);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(260, 70);
    sampleLayout->addWidget(sample_);
    grid->addWidget(sampleBox, 3, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    okButton_->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    grid->addWidget(buttons, 4, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(faceList_, &QListWidget::currentRowChanged, this, &FontDialog::faceChosen);
    connect(styleList_, &QListWidget::currentRowChanged, this, &FontDialog::styleChosen);
    connect(sizeList_, &QListWidget::currentRowChanged, this, &FontDialog::sizeListChosen);
    connect(sizeBox_, &QLineEdit::textEdited, this, &FontDialog::sizeTyped);
    connect(colourList_, &QComboBox::activated, this, &FontDialog::colourChosen);
    connect(strikeBox_, &QCheckBox::clicked, this, [this] {
        strikeBox_->setTristate(false);
        choice_.strikethru = strikeBox_->isChecked();
        updateSample();
    });
    connect(underlineBox_, &QCheckBox::clicked, this, [this] {
        underlineBox_->setTristate(false);
        choice_.underline = underlineBox_->isChecked();
        updateSample();
    });
}

void FontDialog::showSeed() {
    seeding_ = true;
    if (choice_.name) {
        const auto found = faceList_->findItems(*choice_.name, Qt::MatchExactly);
        if (!found.isEmpty()) {
            faceList_->setCurrentItem(found.constFirst());
            faceList_->scrollToItem(found.constFirst(), QAbstractItemView::PositionAtCenter);
        }
    }
    if (choice_.bold && choice_.italic)
        styleList_->setCurrentRow((*choice_.bold ? 2 : 0) + (*choice_.italic ? 1 : 0));
    if (choice_.size) {
        sizeBox_->setText(sizeText(*choice_.size));
        sizeList_->setCurrentRow(static_cast<int>(ListedSizes.indexOf(*choice_.size)));
    }
    seedEffect(strikeBox_, choice_.strikethru);
    seedEffect(underlineBox_, choice_.underline);
    colourList_->setCurrentIndex(-1);
    if (choice_.color) {
        int index = colourList_->findData(*choice_.color);
        if (index < 0) {
            // A colour outside the basic sixteen stays offered, so OK keeps it.
            colourList_->addItem(swatch(fromBgr(*choice_.color)), QStringLiteral("そのほかの いろ"),
                                 *choice_.color);
            index = colourList_->count() - 1;
        }
        colourList_->setCurrentIndex(index);
    }
    seeding_ = false;
    updateSample();
}

void FontDialog::faceChosen() {
    if (seeding_ || !faceList_->currentItem())
        return;
    choice_.name = faceList_->currentItem()->text();
    updateSample();
}

void FontDialog::styleChosen() {
    const int row = styleList_->currentRow();
    if (seeding_ || row < 0)
        return;
    choice_.bold = row >= 2;
    choice_.italic = row % 2 == 1;
    updateSample();
}

void FontDialog::sizeListChosen() {
    const int row = sizeList_->currentRow();
    if (seeding_ || row < 0)
        return;
    choice_.size = ListedSizes.at(row);
    sizeBox_->setText(sizeText(*choice_.size));
    okButton_->setEnabled(true);
    updateSample();
}

void FontDialog::sizeTyped(const QString& text) {
    int position = 0;
    QString copy = text;
    const bool acceptable =
        sizeBox_->validator()->validate(copy, position) == QValidator::Acceptable;
    // An empty box keeps the size as it is; a half-typed number cannot be confirmed.
    okButton_->setEnabled(acceptable || text.isEmpty());
    if (!acceptable)
        return;
    choice_.size = sizeBox_->validator()->locale().toDouble(text);
    seeding_ = true;
    sizeList_->setCurrentRow(static_cast<int>(ListedSizes.indexOf(*choice_.size)));
    seeding_ = false;
    updateSample();
}

void FontDialog::colourChosen(int index) {
    if (index < 0)
        return;
    choice_.color = colourList_->itemData(index).toUInt();
    updateSample();
}

void FontDialog::updateSample() {
    QFont font(choice_.name.value_or(SampleFallbackFace));
    font.setPointSizeF(choice_.size.value_or(SampleFallbackSize));
    font.setBold(choice_.bold.value_or(false));
    font.setItalic(choice_.italic.value_or(false));
    font.setStrikeOut(choice_.strikethru.value_or(false));
    font.setUnderline(choice_.underline.value_or(false));
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, fromBgr(choice_.color.value_or(0)));
    sample_->setPalette(palette);
}

std::optional<FontChoice> runFontDialog(const FontChoice& seed, QWidget* parent) {
    FontDialog dialog(seed, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace pukana
