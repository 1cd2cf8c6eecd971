#include "dialogs/TFormLang.h"

#include "localize/CALocalize.h"
#include "platform/QtConversions.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum TextKey {
    CaptionKey = 1,
    LbLangKey = 2,
    LbAddLocalKey = 3,
};

// The caption is looked up when shown: a translation is followed by the English caption, so
// that someone who chose a language by mistake can still read what the window is for.
constexpr DialogText LangTexts[] = {
    {CaptionKey, nullptr, TextRole::LookedUp, "Select the Language"},
    {LbLangKey, "LbLang", TextRole::Caption, "Available languages"},
    {LbAddLocalKey, "LbAddLocal", TextRole::Caption,
     "How to add new languages, please see help file, the Localization section  (press F1 now). Or check "
     "our website."},
};

constexpr int IdRole = Qt::UserRole;

QString Caption()
{
    const QString english = DesignedText(LangTexts, CaptionKey);
    const QString text = LookedUpText(TFormLang::Section, LangTexts, CaptionKey);
    return text == english ? english : text + " / " + english;
}

}  // namespace

std::span<const DialogText> TFormLang::Texts()
{
    return LangTexts;
}

TFormLang::TFormLang(const CALocalize& localizer, QWidget* parent)
    : ModalDialog(parent, HelpContext), localizer_(localizer)
{
    setObjectName("TFormLang");
    setWindowTitle(DesignedText(LangTexts, CaptionKey));

    LbLang = Designed<QLabel>(LangTexts, LbLangKey);
    LsLang = Named<QListWidget>("LsLang");
    LsLang->setMinimumSize(280, 140);
    LbLang->setBuddy(LsLang);

    auto* panel = Named<QFrame>("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    LbAddLocal = Designed<QLabel>(LangTexts, LbAddLocalKey);
    LbAddLocal->setWordWrap(true);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(LbAddLocal);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LbLang);
    layout->addWidget(LsLang);
    layout->addWidget(panel);
    layout->addWidget(MakeButtonBox(false));

    connect(BtnOK, &QPushButton::clicked, this, [this] {
        ChooseSelected();
        done(ResultOk);
    });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormLang::reject);
    connect(LsLang, &QListWidget::itemDoubleClicked, this, [this] {
        ChooseSelected();
        done(ResultOk);
    });
}

void TFormLang::showEvent(QShowEvent* event)
{
    setWindowTitle(Caption());
    FillList();
    LsLang->setFocus();
    QDialog::showEvent(event);
}

void TFormLang::FillList()
{
    const int32_t current = localizer_.CurrentLanguageID();
    std::vector<LanguageListItem> languages;
    localizer_.FillLanguageList(languages);
    // In the order of an alphabet rather than of character codes, which put "Čeština" last;
    // the C locale collates by character codes, so it borrows English rules.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    std::stable_sort(languages.begin(), languages.end(), [&collator](const auto& a, const auto& b) {
        return collator.compare(ToQString(a.name), ToQString(b.name)) < 0;
    });
    LsLang->clear();
    for (const LanguageListItem& language : languages) {
        auto* item = new QListWidgetItem(ToQString(language.name), LsLang);
        item->setData(IdRole, language.id);
    }
    const bool any = LsLang->count() > 0;
    LsLang->setEnabled(any);
    if (!any) {
        // Never translated: without a language file there is nothing to translate them with.
        LsLang->addItems({"No translations available. Install the program",
                          "with \"Additional Languages\" option checked."});
        return;
    }
    for (int row = 0; row < LsLang->count(); ++row)
        if (LsLang->item(row)->data(IdRole).toInt() == current) {
            LsLang->setCurrentRow(row);
            return;
        }
}

void TFormLang::ChooseSelected()
{
    const QListWidgetItem* item = LsLang->currentItem();
    if (LsLang->isEnabled() && item && item->isSelected() && choice_)
        choice_(item->data(IdRole).toInt());
}
