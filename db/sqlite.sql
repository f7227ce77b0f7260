-- Schema of the notification database for SQLite (the embedded database BillDB.db).
-- Dates and times are stored as sortable text ("yyyy-mm-dd hh:mm:ss"); Status, NoticeTimes and
-- SuccTimes default to 0 because every insert leaves them out and updates add to them in place.
-- Written by db/make-schemas.py from one column list; edit that script, not this file.

CREATE TABLE AdNotice (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Telphone VARCHAR(20),
    Status SMALLINT NOT NULL DEFAULT 0,
    PlanNotice VARCHAR(20),
    FactNotice VARCHAR(20),
    NextNotice VARCHAR(20),
    InsertDate VARCHAR(20),
    NoticeTimes SMALLINT NOT NULL DEFAULT 0,
    SuccTimes SMALLINT NOT NULL DEFAULT 0,
    FailCause VARCHAR(50),
    PressInfo VARCHAR(50),
    Name VARCHAR(50),
    UserID VARCHAR(25),
    Birthday VARCHAR(10),
    Remark VARCHAR(50),
    HomeAddr VARCHAR(80),
    CompanyName VARCHAR(80),
    CompanyAddr VARCHAR(80),
    CompanyTel VARCHAR(20),
    CompanyTitle VARCHAR(20),
    AreaNum VARCHAR(15),
    ClientType VARCHAR(10),
    TrunkCh SMALLINT,
    SlicCh SMALLINT,
    RecordFile VARCHAR(200),
    StartBill VARCHAR(20),
    FinishBill VARCHAR(20),
    FactTotalTime VARCHAR(20),
    ResultTotalTime VARCHAR(20),
    TranSlic INTEGER,
    RandomValue INTEGER,
    ServerID VARCHAR(80)
);

CREATE TABLE c_blacklist (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Telephone VARCHAR(20),
    InsertDate VARCHAR(20)
);

CREATE TABLE t_statdata (
    NoNotice INTEGER,
    Noticing INTEGER,
    SuccCount INTEGER,
    FailCount INTEGER,
    TranSlic INTEGER,
    TranSlicSucc INTEGER,
    StatDate VARCHAR(20)
);

CREATE TABLE SmsSendTask (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Mobile VARCHAR(20),
    NoticeMode INTEGER,
    Priority INTEGER,
    NeedTimes INTEGER,
    Content VARCHAR(400),
    PlanNotice VARCHAR(20),
    InsertDate VARCHAR(20),
    OperID VARCHAR(20),
    VisitID INTEGER,
    NoticeTaskID INTEGER
);

CREATE TABLE SmsSendState (
    TaskID INTEGER PRIMARY KEY,
    State SMALLINT NOT NULL DEFAULT 0,
    Attempts INTEGER NOT NULL DEFAULT 0,
    Sent INTEGER NOT NULL DEFAULT 0,
    Failures INTEGER NOT NULL DEFAULT 0,
    LastTry VARCHAR(20),
    SentAt VARCHAR(20),
    Answer VARCHAR(200)
);

CREATE TABLE SmsReceived (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    Mobile VARCHAR(20),
    ReceivedAt VARCHAR(20),
    Content VARCHAR(400),
    InsertDate VARCHAR(20)
);

-- the next new task, in random order
CREATE INDEX IX_AdNotice_New ON AdNotice (Status, RandomValue);
-- due retries by attempt count
CREATE INDEX IX_AdNotice_Retry ON AdNotice (Status, NoticeTimes, NextNotice);
-- due repeats by success count
CREATE INDEX IX_AdNotice_Repeat ON AdNotice (Status, SuccTimes, NextNotice);
-- per-status counts since a time
CREATE INDEX IX_AdNotice_Counters ON AdNotice (Status, FactNotice);
-- queries ordered by notice time
CREATE INDEX IX_AdNotice_FactNotice ON AdNotice (FactNotice);
-- deletion by insertion date
CREATE INDEX IX_AdNotice_InsertDate ON AdNotice (InsertDate);
-- queries by number
CREATE INDEX IX_AdNotice_Telphone ON AdNotice (Telphone);
-- the blacklist check of every imported number
CREATE INDEX IX_BlackList_Telephone ON c_blacklist (Telephone);
-- the SMS sender's rows in flight at its start
CREATE INDEX IX_SmsSendState_State ON SmsSendState (State);

-- tasks per status and notice time, kept by the triggers below
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
