#include "controls/changesview.h"

#include "controls/textcodec.h"
#include "document/fields.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <charconv>

namespace dorva {

namespace {

// The entry a list value names; none for a value read from the file that is no index of it.
const std::string* entryOf(const Field& field, const std::string& value) {
    std::size_t index = 0;
    const char* const end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, index);
    if (error != std::errc() || stop != end || index >= field.entries.size())
        return nullptr;
    return &field.entries[index];
}

} // namespace

QString changeText(const Field& field, const std::string& value) {
    switch (field.type) {
    case FieldType::Flag:
        return value == "1" ? QStringLiteral("checked") : QStringLiteral("unchecked");
    case FieldType::IndexList:
        if (const std::string* entry = entryOf(field, value))
            return toQString(*entry);
        break;
    case FieldType::Memo:
        return toQString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\u21b5"));
    case FieldType::Text:
    case FieldType::TextList:
        break;
    }
    return toQString(value);
}

ChangesView::ChangesView(const QString& name, const QStringList& valueHeaders,
                         const std::vector<FieldDifference>& differences, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setObjectName("ChangesView");
    setWindowTitle("Changes - " + name);
    resize(640, 360);

    list_->setObjectName("ChangesList");
    list_->setHeaderLabels(QStringList("Field") + valueHeaders);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setSectionResizeMode(QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (const FieldDifference& difference : differences) {
        QStringList texts(QString::fromStdString(difference.field->caption));
        for (const std::string& value : difference.values)
            texts << changeText(*difference.field, value);
        list_->addTopLevelItem(new QTreeWidgetItem(texts));
        rowFields_.push_back(difference.field);
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        chosen_ = rowFields_.at(static_cast<std::size_t>(list_->indexOfTopLevelItem(item)));
        accept();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

} // namespace dorva
