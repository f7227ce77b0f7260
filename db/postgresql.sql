-- Schema of the notification database for PostgreSQL.
-- Dates and times are stored as sortable text ("yyyy-mm-dd hh:mm:ss"); Status, NoticeTimes and
-- SuccTimes default to 0 because every insert leaves them out and updates add to them in place.
-- Written by db/make-schemas.py from one column list; edit that script, not this file.

CREATE TABLE AdNotice (
    ID SERIAL PRIMARY KEY,
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
    id SERIAL PRIMARY KEY,
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
    id SERIAL PRIMARY KEY,
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
    id SERIAL PRIMARY KEY,
    Mobile VARCHAR(20),
    ReceivedAt VARCHAR(20),
    Content VARCHAR(400),
    InsertDate VARCHAR(20)
);

-- the next new task, in random order
CREATE INDEX IX_AdNotice_NewTask ON AdNotice (Status, RandomValue NULLS FIRST, ID NULLS FIRST);
-- due retries by attempt count
CREATE INDEX IX_AdNotice_RetryDue ON AdNotice (Status, NoticeTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST);
-- due repeats by success count
CREATE INDEX IX_AdNotice_RepeatDue ON AdNotice (Status, SuccTimes NULLS FIRST, NextNotice NULLS FIRST, ID NULLS FIRST);
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
