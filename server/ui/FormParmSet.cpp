// The parameter dialog: its pages built from the field table, the form shown and read back, and OK.
#include "server/ui/FormParmSet.h"

#include "server/engine/Service.h"
#include "server/settings/ParmSetFields.h"
#include "server/ui/DigitsFilter.h"
#include "server/ui/PolarityCellEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace server {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Columns of the channel grid.
enum GridColumn { kChannelColumn, kStationColumn, kPrefixColumn, kPolarityColumn };

// Widths that hold the longest usual value of a field whole.
constexpr int kFieldWidth = 110;
constexpr int kWideFieldWidth = 200;
constexpr int kFileFieldWidth = 460;

} // namespace

TFormParmSet::TFormParmSet(Service &service, QWidget *parent) : QDialog(parent), m_service(service)
{
    setObjectName(QStringLiteral("FormParmSet"));
    setWindowTitle(QStringLiteral("参数设置"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_chooseOpen = [this](const QString &filters) { return QFileDialog::getOpenFileName(this, {}, {}, filters); };

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // A braced list builds the pages in its order.
    QWidget *const pages[] = {buildGridPage(), buildDatabasePage(), buildControlPage(),
                              buildTimePage(), buildVoicePage(),    buildSmsPage()};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        pages[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        m_pages->addTab(pages[i], qs(parmSetPages()[i]));
    }
    // Another page hides the polarity drop-down, keeping what it shows.
    connect(m_pages, &QTabWidget::currentChanged, m_polarity, &PolarityCellEditor::commit);

    m_enable = new QCheckBox(QStringLiteral("启用参数"));
    m_enable->setObjectName(QStringLiteral("CheckBox1"));
    m_enable->setChecked(true);
    auto *ok = new QPushButton(QStringLiteral("确定(&O)"));
    ok->setObjectName(QStringLiteral("btOk"));
    connect(ok, &QPushButton::clicked, this, &TFormParmSet::btOkClick);
    auto *close = new QPushButton(QStringLiteral("关闭(&C)"));
    close->setObjectName(QStringLiteral("btClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a field must not close the dialog without its values saved.
    ok->setAutoDefault(false);
    close->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_enable);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

TFormParmSet::~TFormParmSet() = default;

QWidget *TFormParmSet::makeControl(const ParmSetField &field)
{
    QWidget *w = nullptr;
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Trimmed:
    case FieldKind::Time:
    case FieldKind::Number:
    case FieldKind::File: {
        auto *edit = new QLineEdit;
        if (field.digitsOnly)
            allowDigitsOnly(edit);
        if (field.secret) {
            edit->setEchoMode(QLineEdit::Password);
            edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
        }
        edit->setReadOnly(field.kind == FieldKind::File);
        edit->setFixedWidth(field.kind == FieldKind::File ? kFileFieldWidth
                            : field.page == 2            ? kFieldWidth
                                                         : kWideFieldWidth);
        w = edit;
        break;
    }
    case FieldKind::Spin: {
        auto *spin = new QSpinBox;
        spin->setRange(field.min, field.max);
        spin->setFixedWidth(kFieldWidth);
        w = spin;
        break;
    }
    case FieldKind::Choice: {
        auto *combo = new QComboBox;
        for (const ChoiceItem &item : field.items)
            combo->addItem(qs(item.text));
        combo->setCurrentIndex(-1);
        combo->setFixedWidth(field.page == 2 ? kFieldWidth : kWideFieldWidth);
        w = combo;
        break;
    }
    case FieldKind::Check:
        w = new QCheckBox(qs(field.label));
        break;
    case FieldKind::Memo: {
        auto *memo = new QPlainTextEdit;
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFixedSize(kFileFieldWidth, 120);
        w = memo;
        break;
    }
    }
    w->setObjectName(qs(field.control));
    w->setEnabled(field.enabled);
    return w;
}

QWidget *TFormParmSet::control(std::string_view name)
{
    if (const auto it = m_controls.find(name); it != m_controls.end())
        return it->second;
    QWidget *w = makeControl(*findParmSetField(name));
    m_controls.emplace(std::string(name), w);
    return w;
}

namespace {

QLabel *labelFor(const ParmSetField &field, QWidget *buddy)
{
    auto *label = new QLabel(qs(field.label));
    label->setBuddy(buddy);
    label->setEnabled(field.enabled);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

QWidget *TFormParmSet::buildGridPage()
{
    auto *page = new QWidget;
    m_grid = new QTableWidget(kMaxChannels, 4);
    m_grid->setObjectName(QStringLiteral("StringGridPara"));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("通道号"), QStringLiteral("座席号码"), QStringLiteral("拨号前缀"), QStringLiteral("极性反转")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < kMaxChannels; ++row) {
        for (int col = 0; col < 4; ++col) {
            auto *item = new QTableWidgetItem;
            // The channel caption is fixed; the polarity is chosen with its drop-down.
            if (col == kChannelColumn || col == kPolarityColumn)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_grid->setItem(row, col, item);
        }
        m_grid->item(row, kChannelColumn)->setText(QStringLiteral("通道%1").arg(row + 1));
    }
    const int widths[] = {90, 170, 170, 110};
    int total = m_grid->frameWidth() * 2 + 20; // and the vertical scroll bar
    for (int col = 0; col < 4; ++col) {
        m_grid->setColumnWidth(col, widths[col]);
        total += widths[col];
    }
    m_grid->setMinimumWidth(total);
    // The two number columns take the page's width.
    m_grid->horizontalHeader()->setSectionResizeMode(kStationColumn, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(kPrefixColumn, QHeaderView::Stretch);
    m_polarity = new PolarityCellEditor(m_grid, kPolarityColumn);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_grid);
    return page;
}

QWidget *TFormParmSet::buildDatabasePage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    for (const char *name : {"ComboBoxDBType", "EditServerName", "EditDataBaseName", "EditAccountName", "EditPassword"})
        form->addRow(labelFor(*findParmSetField(name), control(name)), control(name));
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    auto *outer = new QWidget;
    auto *v = new QVBoxLayout(outer);
    v->addWidget(page);
    v->addStretch();
    return outer;
}

QWidget *TFormParmSet::buildControlPage()
{
    // Three columns of label, control and unit, filled top to bottom in the order of the table.
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setHorizontalSpacing(6);
    int index = 0;
    constexpr int kRows = 12;
    for (const ParmSetField &field : parmSetFields()) {
        if (field.page != 2)
            continue;
        const int row = index % kRows;
        const int col = index / kRows * 4;
        QWidget *w = control(field.control);
        grid->addWidget(labelFor(field, w), row, col);
        grid->addWidget(w, row, col + 1);
        if (!field.unit.empty())
            grid->addWidget(new QLabel(qs(field.unit)), row, col + 2);
        ++index;
    }
    for (int c = 3; c < 12; c += 4)
        grid->setColumnMinimumWidth(c, 28);
    grid->setRowStretch(kRows, 1);
    return page;
}

QWidget *TFormParmSet::buildTimePage()
{
    const auto rows = [this](QGroupBox *box, const char *first, const char *second) {
        auto *form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight);
        for (const char *name : {first, second})
            form->addRow(labelFor(*findParmSetField(name), control(name)), control(name));
        return form;
    };
    auto *window = new QGroupBox(QStringLiteral("通知时间段"));
    QFormLayout *outer = rows(window, "Edit1", "Edit2");
    auto *pause = new QGroupBox(QStringLiteral("本段时间内不通知"));
    rows(pause, "Edit3", "Edit7");
    outer->addRow(pause);

    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    top->addWidget(window);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(control("cbsaturday"));
    layout->addWidget(control("cbsunday"));
    layout->addStretch();
    return page;
}

QWidget *TFormParmSet::buildVoicePage()
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout;
    QWidget *file = control("Edit15");
    row->addWidget(labelFor(*findParmSetField("Edit15"), file));
    row->addWidget(file);
    auto *choose = new QToolButton;
    choose->setObjectName(QStringLiteral("SpeedButton1"));
    choose->setText(QStringLiteral("..."));
    connect(choose, &QToolButton::clicked, this, &TFormParmSet::SpeedButton1Click);
    row->addWidget(choose);
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TFormParmSet::buildSmsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(control("CheckBox2"));
    QWidget *memo = control("Memo1");
    layout->addWidget(labelFor(*findParmSetField("Memo1"), memo), 0, Qt::AlignLeft);
    layout->addWidget(memo);
    auto *note = new QLabel(QStringLiteral("注意：不能超过70个字符！"));
    note->setStyleSheet(QStringLiteral("color: red"));
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

bool TFormParmSet::FormShow()
{
    const std::optional<ParmSetForm> shown = m_service.parameterForm();
    if (!shown)
        return false;
    setForm(*shown);
    return true;
}

ParmSetForm TFormParmSet::form() const
{
    ParmSetForm form;
    for (const ParmSetField &field : parmSetFields()) {
        QWidget *w = m_controls.find(field.control)->second;
        std::string value;
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            value = utf8(edit->text());
        else if (auto *spin = qobject_cast<QSpinBox *>(w))
            value = std::to_string(spin->value());
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            value = combo->currentIndex() < 0 ? std::string() : utf8(combo->currentText());
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            value.assign(1, box->isChecked() ? '1' : '0');
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            value = utf8(memo->toPlainText());
        form.set(field.control, std::move(value));
    }
    for (int row = 0; row < kMaxChannels; ++row) {
        ParmSetRow &r = form.rows[static_cast<std::size_t>(row)];
        r.stationId = utf8(m_grid->item(row, kStationColumn)->text());
        r.dialPrefix = utf8(m_grid->item(row, kPrefixColumn)->text());
        r.polarity = utf8(m_grid->item(row, kPolarityColumn)->text());
    }
    return form;
}

void TFormParmSet::setForm(const ParmSetForm &form)
{
    for (const ParmSetField &field : parmSetFields()) {
        QWidget *w = m_controls.find(field.control)->second;
        const QString value = qs(form.value(field.control));
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(value);
        else if (auto *spin = qobject_cast<QSpinBox *>(w))
            spin->setValue(value.toInt()); // clamped to the range
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex(value.isEmpty() ? -1 : combo->findText(value));
        else if (auto *box = qobject_cast<QCheckBox *>(w))
            box->setChecked(value == QLatin1String("1"));
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
            memo->setPlainText(value);
    }
    for (int row = 0; row < kMaxChannels; ++row) {
        const ParmSetRow &r = form.rows[static_cast<std::size_t>(row)];
        m_grid->item(row, kStationColumn)->setText(qs(r.stationId));
        m_grid->item(row, kPrefixColumn)->setText(qs(r.dialPrefix));
        m_grid->item(row, kPolarityColumn)->setText(qs(r.polarity));
    }
}

void TFormParmSet::btOkClick()
{
    // What is being edited counts: the cell editor of the grid and the polarity drop-down give their
    // values back first, as they would when the focus moved to the button.
    m_polarity->commit();
    if (QWidget *editor = m_grid->indexWidget(m_grid->currentIndex()))
        QMetaObject::invokeMethod(m_grid, "commitData", Q_ARG(QWidget *, editor));
    FormProblem problem;
    if (!m_service.saveParameters(form(), m_enable->isChecked(), &problem) && !problem.control.empty())
        showProblem(problem);
}

void TFormParmSet::showProblem(const FormProblem &problem)
{
    if (problem.row >= 0) {
        m_pages->setCurrentIndex(0);
        m_grid->setCurrentCell(problem.row, problem.column);
        m_grid->setFocus(Qt::OtherFocusReason);
        return;
    }
    const ParmSetField *field = findParmSetField(problem.control);
    if (!field)
        return;
    m_pages->setCurrentIndex(field->page);
    QWidget *w = m_controls.find(problem.control)->second;
    w->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->selectAll();
    else if (auto *spin = qobject_cast<QSpinBox *>(w))
        spin->selectAll();
}

void TFormParmSet::SpeedButton1Click()
{
    const QString file = m_chooseOpen(QStringLiteral("语音文件(*.voc *.wav);;所有文件(*)"));
    if (!file.isEmpty())
        static_cast<QLineEdit *>(control("Edit15"))->setText(file);
}

} // namespace server
