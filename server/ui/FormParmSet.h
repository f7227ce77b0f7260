// The parameter dialog "参数设置": six pages of the settings of Setup.ini, saved by OK and, with
// "启用参数" ticked, applied to the running service.
#pragma once

#include "server/settings/ParmSetForm.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QCheckBox;
class QTabWidget;
class QTableWidget;

namespace server {

class PolarityCellEditor;
class Service;
struct ParmSetField;

class TFormParmSet : public QDialog
{
    Q_OBJECT

public:
    /// Asks for the voice file to play: the filters ("text (*.voc);;…"); empty when the operator
    /// cancels. Tests give their own.
    using FileChooser = std::function<QString(const QString &filters)>;

    explicit TFormParmSet(Service &service, QWidget *parent = nullptr);
    ~TFormParmSet() override;

    /// The show handler: reads Setup.ini again into the running service and fills the controls. False,
    /// after the messages, when the file cannot be read; the dialog is not to be shown then.
    bool FormShow();
    /// "确定(&O)": saves and applies; the dialog stays open. A value that cannot be saved is shown
    /// with its page and gets the focus.
    void btOkClick();
    /// "...": chooses the voice file of Edit15.
    void SpeedButton1Click();

    void setOpenFileChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    /// The values the controls show, and the controls showing a form.
    ParmSetForm form() const;
    void setForm(const ParmSetForm &form);

private:
    QWidget *buildGridPage();
    QWidget *buildDatabasePage();
    QWidget *buildControlPage();
    QWidget *buildTimePage();
    QWidget *buildVoicePage();
    QWidget *buildSmsPage();
    /// The control of a field, made once and kept by its name.
    QWidget *control(std::string_view name);
    QWidget *makeControl(const ParmSetField &field);
    void showProblem(const FormProblem &problem);

    Service &m_service;
    FileChooser m_chooseOpen;
    std::map<std::string, QWidget *, std::less<>> m_controls;
    QTabWidget *m_pages = nullptr;
    QTableWidget *m_grid = nullptr;
    PolarityCellEditor *m_polarity = nullptr;
    QCheckBox *m_enable = nullptr;
};

} // namespace server
