// The user- and network-side ISDN links of the ISDN page: a table and a total per side, and one row
// of buttons whose link dialog also moves a link from one side to the other.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/model/GlobalSettings.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QTableWidget;

namespace ktcticonfig {

class IsdnLinkDialog;

class IsdnLinkList : public QWidget
{
    Q_OBJECT

public:
    explicit IsdnLinkList(Dialogs &dialogs, QWidget *parent = nullptr);

    /// Fills both sides from the settings; `pcmCount` is the length of the PCM list links name.
    void load(const GlobalSettings &settings, std::size_t pcmCount);
    void store(GlobalSettings &settings) const;

    const std::vector<ListRow> &links(bool net) const { return m_links[net ? 1 : 0]; }
    QTableWidget *table(bool net) const { return m_tables[net ? 1 : 0]; }
    QLabel *total(bool net) const { return m_totals[net ? 1 : 0]; }

    void addLink();
    void modifyLink();
    void deleteLink();
    /// Runs the link dialog; true when the user accepted it. Tests replace it.
    std::function<bool(IsdnLinkDialog &)> run;

private:
    /// The side and row of the selected link.
    std::optional<std::pair<int, int>> selected() const;
    /// Runs the dialog on a link; the side and link it gives, or nothing when cancelled.
    std::optional<std::pair<int, ListRow>> edit(const ListRow &link, int side);
    void refresh();

    Dialogs &m_dialogs;
    std::array<std::vector<ListRow>, 2> m_links; ///< user side, network side
    std::array<QTableWidget *, 2> m_tables{};
    std::array<QLabel *, 2> m_totals{};
    std::size_t m_pcmCount = 0;
};

} // namespace ktcticonfig
