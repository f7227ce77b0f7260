// The deletion of the tasks inserted within a range of days.
#include "server/data/DataDelete.h"

#include "server/data/Transaction.h"

namespace server {

namespace {

constexpr QLatin1StringView kCondition(" FROM AdNotice WHERE InsertDate>=:P1 AND InsertDate<=:P2");

} // namespace

DeleteBounds deleteBounds(const QString &startDay, const QString &endDay)
{
    return {startDay, endDay + QStringLiteral(" 23:59:59")};
}

qlonglong countDeletable(TDM &dm, const DeleteBounds &bounds)
{
    return dm.countRows(dm.QueDataDelete, QStringLiteral("SELECT ID") + kCondition,
                        {{"P1", bounds.from}, {"P2", bounds.to}});
}

void deleteInserted(TDM &dm, const DeleteBounds &bounds)
{
    Transaction transaction(dm);
    dm.execute(dm.QueDataDelete, QStringLiteral("DELETE") + kCondition, {{"P1", bounds.from}, {"P2", bounds.to}});
    transaction.commit();
}

bool runDataDelete(TDM &dm, Dialogs &dialogs, const QString &startDay, const QString &endDay)
{
    const std::string question =
        "数据一旦删除将无法恢复，确实要删除" + startDay.toStdString() + "至" + endDay.toStdString() + "之间的数据吗？";
    if (dialogs.show("", question, DialogIcon::Warning, DialogButtons::YesNo, DialogAnswer::No) != DialogAnswer::Yes)
        return false;
    const DeleteBounds bounds = deleteBounds(startDay, endDay);
    qlonglong count = 0;
    try {
        count = countDeletable(dm, bounds);
    } catch (const DatabaseError &) {
        // A database that cannot count cannot delete either: say so, rather than that nothing is there.
        dialogs.show("", "删除数据出错！", DialogIcon::Error);
        return false;
    }
    if (count <= 0) {
        dialogs.show("", "没有可被删除的记录！", DialogIcon::Information);
        return false;
    }
    if (dialogs.show("", "共有:" + std::to_string(count) + "条记录需要删除，确认？", DialogIcon::Question,
                     DialogButtons::YesNo, DialogAnswer::No) != DialogAnswer::Yes)
        return false;
    try {
        deleteInserted(dm, bounds);
    } catch (const DatabaseError &) {
        dialogs.show("", "删除数据出错！", DialogIcon::Error);
        return false;
    }
    dialogs.show("", "删除数据成功！", DialogIcon::Information);
    return true;
}

} // namespace server
