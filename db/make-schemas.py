#!/usr/bin/env python3
"""Writes the schema scripts of the notification database, one per engine, from one column list."""
import os

# ServerID names the server that claimed the task for its last dial, so that a server starting again
# sets back only its own interrupted tasks when several share one database.
ADNOTICE = [
    ("ID", "id"), ("Telphone", 20), ("Status", "zero"), ("PlanNotice", 20), ("FactNotice", 20),
    ("NextNotice", 20), ("InsertDate", 20), ("NoticeTimes", "zero"), ("SuccTimes", "zero"),
    ("FailCause", 50), ("PressInfo", 50), ("Name", 50), ("UserID", 25), ("Birthday", 10), ("Remark", 50),
    ("HomeAddr", 80), ("CompanyName", 80), ("CompanyAddr", 80), ("CompanyTel", 20), ("CompanyTitle", 20),
    ("AreaNum", 15), ("ClientType", 10), ("TrunkCh", "small"), ("SlicCh", "small"), ("RecordFile", 200),
    ("StartBill", 20), ("FinishBill", 20), ("FactTotalTime", 20), ("ResultTotalTime", 20), ("TranSlic", "int"),
    ("RandomValue", "int"), ("ServerID", 80),
]
TABLES = [
    ("AdNotice", ADNOTICE),
    ("c_blacklist", [("id", "id"), ("Telephone", 20), ("InsertDate", 20)]),
    ("t_statdata", [("NoNotice", "int"), ("Noticing", "int"), ("SuccCount", "int"), ("FailCount", "int"),
                    ("TranSlic", "int"), ("TranSlicSucc", "int"), ("StatDate", 20)]),
    ("SmsSendTask", [("id", "id"), ("Mobile", 20), ("NoticeMode", "int"), ("Priority", "int"),
                     ("NeedTimes", "int"), ("Content", 400), ("PlanNotice", 20), ("InsertDate", 20),
                     ("OperID", 20), ("VisitID", "int"), ("NoticeTaskID", "int")]),
    # The SMS sender's own tables: what became of each row of SmsSendTask (State 0 waits for its next
    # try, 1 in flight, 2 sent, 3 given up), and the messages its modem received. The sender creates
    # them itself in a database that lacks them.
    ("SmsSendState", [("TaskID", "key"), ("State", "zero"), ("Attempts", "count"), ("Sent", "count"),
                      ("Failures", "count"), ("LastTry", 20), ("SentAt", 20), ("Answer", 200)]),
    ("SmsReceived", [("id", "id"), ("Mobile", 20), ("ReceivedAt", 20), ("Content", 400), ("InsertDate", 20)]),
]
# The dispatcher finds its next task with one index seek per query: new tasks by random order, due
# retries and repeats per count by due time, ties by ID. SQLite keeps the row ID at the end of every
# index; PostgreSQL and SQL Server name it, and PostgreSQL orders NULLs first as the queries ask.
DISPATCH_INDEXES = {
    "sqlite": [
        ("IX_AdNotice_New", "AdNotice", "Status, RandomValue", "the next new task, in random order"),
        ("IX_AdNotice_Retry", "AdNotice", "Status, NoticeTimes, NextNotice", "due retries by attempt count"),
        ("IX_AdNotice_Repeat", "AdNotice", "Status, SuccTimes, NextNotice", "due repeats by success count"),
    ],
    "postgresql": [
        ("IX_AdNotice_NewTask", "AdNotice", "Status, RandomValue NULLS FIRST, ID NULLS FIRST",
         "the next new task, in random order"),
        ("IX_AdNotice_RetryDue", "AdNotice", "Status, NoticeTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST",
         "due retries by attempt count"),
        ("IX_AdNotice_RepeatDue", "AdNotice", "Status, SuccTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST",
         "due repeats by success count"),
    ],
    "sqlserver": [
        ("IX_AdNotice_NewTask", "AdNotice", "Status, RandomValue, ID", "the next new task, in random order"),
        ("IX_AdNotice_RetryDue", "AdNotice", "Status, NoticeTimes, NextNotice, ID", "due retries by attempt count"),
        ("IX_AdNotice_RepeatDue", "AdNotice", "Status, SuccTimes, NextNotice, ID", "due repeats by success count"),
    ],
}
INDEXES = [
    ("IX_AdNotice_Counters", "AdNotice", "Status, FactNotice", "per-status counts since a time"),
    ("IX_AdNotice_FactNotice", "AdNotice", "FactNotice", "queries ordered by notice time"),
    ("IX_AdNotice_InsertDate", "AdNotice", "InsertDate", "deletion by insertion date"),
    ("IX_AdNotice_Telphone", "AdNotice", "Telphone", "queries by number"),
    ("IX_BlackList_Telephone", "c_blacklist", "Telephone", "the blacklist check of every imported number"),
    ("IX_SmsSendState_State", "SmsSendState", "State", "the SMS sender's rows in flight at its start"),
]
# The embedded database keeps the number of tasks per status and notice time in a table of its own,
# so that the status bar counts a million tasks without reading them; triggers keep it exact.
SQLITE_COUNTS = """-- tasks per status and notice time, kept by the triggers below
CREATE TABLE AdNoticeCounts (
    Status SMALLINT NOT NULL,
    FactNotice VARCHAR(20) NOT NULL,
    n INTEGER NOT NULL,
    PRIMARY KEY (Status, FactNotice)
) WITHOUT ROWID;

CREATE TRIGGER AdNoticeCountsInsert AFTER INSERT ON AdNotice
BEGIN
    INSERT INTO AdNoticeCounts VALUES (NEW.Status, COALESCE(NEW.FactNotice, ''), 1)
        ON CONFLICT (Status, FactNotice) DO UPDATE SET n = n + 1;
END;

CREATE TRIGGER AdNoticeCountsDelete AFTER DELETE ON AdNotice
BEGIN
    UPDATE AdNoticeCounts SET n = n - 1 WHERE Status = OLD.Status AND FactNotice = COALESCE(OLD.FactNotice, '');
    DELETE FROM AdNoticeCounts WHERE Status = OLD.Status AND FactNotice = COALESCE(OLD.FactNotice, '') AND n = 0;
END;

CREATE TRIGGER AdNoticeCountsUpdate AFTER UPDATE OF Status, FactNotice ON AdNotice
WHEN OLD.Status IS NOT NEW.Status OR COALESCE(OLD.FactNotice, '') IS NOT COALESCE(NEW.FactNotice, '')
BEGIN
    UPDATE AdNoticeCounts SET n = n - 1 WHERE Status = OLD.Status AND FactNotice = COALESCE(OLD.FactNotice, '');
    DELETE FROM AdNoticeCounts WHERE Status = OLD.Status AND FactNotice = COALESCE(OLD.FactNotice, '') AND n = 0;
    INSERT INTO AdNoticeCounts VALUES (NEW.Status, COALESCE(NEW.FactNotice, ''), 1)
        ON CONFLICT (Status, FactNotice) DO UPDATE SET n = n + 1;
END;
"""

ENGINES = {
    "sqlite": dict(id="INTEGER PRIMARY KEY AUTOINCREMENT", text="VARCHAR({n})", small="SMALLINT", int="INTEGER",
                   name="SQLite (the embedded database BillDB.db)", extra=SQLITE_COUNTS),
    "postgresql": dict(id="SERIAL PRIMARY KEY", text="VARCHAR({n})", small="SMALLINT", int="INTEGER",
                       name="PostgreSQL"),
    "sqlserver": dict(id="INT IDENTITY(1,1) PRIMARY KEY", text="NVARCHAR({n})", small="SMALLINT", int="INT",
                      name="SQL Server"),
}


def column_type(engine, kind):
    if kind == "id":
        return engine["id"]
    if kind == "key":
        return engine["int"] + " PRIMARY KEY"
    if kind == "zero":
        return engine["small"] + " NOT NULL DEFAULT 0"
    if kind == "count":
        return engine["int"] + " NOT NULL DEFAULT 0"
    if kind == "small":
        return engine["small"]
    if kind == "int":
        return engine["int"]
    return engine["text"].format(n=kind)


def schema(key, engine):
    out = [f"-- Schema of the notification database for {engine['name']}.",
           "-- Dates and times are stored as sortable text (\"yyyy-mm-dd hh:mm:ss\"); Status, NoticeTimes and",
           "-- SuccTimes default to 0 because every insert leaves them out and updates add to them in place.",
           "-- Written by db/make-schemas.py from one column list; edit that script, not this file.", ""]
    for table, columns in TABLES:
        out.append(f"CREATE TABLE {table} (")
        out.append(",\n".join(f"    {name} {column_type(engine, kind)}" for name, kind in columns))
        out.append(");\n")
    for name, table, columns, why in DISPATCH_INDEXES[key] + INDEXES:
        out.append(f"-- {why}")
        out.append(f"CREATE INDEX {name} ON {table} ({columns});")
    if "extra" in engine:
        out.append("")
        out.append(engine["extra"].rstrip("\n"))
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for key, engine in ENGINES.items():
        with open(os.path.join(here, f"{key}.sql"), "w", encoding="utf-8") as f:
            f.write(schema(key, engine))
