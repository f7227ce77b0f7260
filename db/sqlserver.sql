-- Schema of the notification database for SQL Server.
-- Dates and times are stored as sortable text ("yyyy-mm-dd hh:mm:ss"); Status, NoticeTimes and
-- SuccTimes default to 0 because every insert leaves them out and updates add to them in place.
-- Written by db/make-schemas.py from one column list; edit that script, not this file.

CREATE TABLE AdNotice (
    ID INT IDENTITY(1,1) PRIMARY KEY,
    Telphone NVARCHAR(20),
    Status SMALLINT NOT NULL DEFAULT 0,
    PlanNotice NVARCHAR(20),
    FactNotice NVARCHAR(20),
    NextNotice NVARCHAR(20),
    InsertDate NVARCHAR(20),
    NoticeTimes SMALLINT NOT NULL DEFAULT 0,
    SuccTimes SMALLINT NOT NULL DEFAULT 0,
    FailCause NVARCHAR(50),
    PressInfo NVARCHAR(50),
    Name NVARCHAR(50),
    UserID NVARCHAR(25),
    Birthday NVARCHAR(10),
    Remark NVARCHAR(50),
    HomeAddr NVARCHAR(80),
    CompanyName NVARCHAR(80),
    CompanyAddr NVARCHAR(80),
    CompanyTel NVARCHAR(20),
    CompanyTitle NVARCHAR(20),
    AreaNum NVARCHAR(15),
    ClientType NVARCHAR(10),
    TrunkCh SMALLINT,
    SlicCh SMALLINT,
    RecordFile NVARCHAR(200),
    StartBill NVARCHAR(20),
    FinishBill NVARCHAR(20),
    FactTotalTime NVARCHAR(20),
    ResultTotalTime NVARCHAR(20),
    TranSlic INT,
    RandomValue INT,
    ServerID NVARCHAR(80)
);

CREATE TABLE c_blacklist (
    id INT IDENTITY(1,1) PRIMARY KEY,
    Telephone NVARCHAR(20),
    InsertDate NVARCHAR(20)
);

CREATE TABLE t_statdata (
    NoNotice INT,
    Noticing INT,
    SuccCount INT,
    FailCount INT,
    TranSlic INT,
    TranSlicSucc INT,
    StatDate NVARCHAR(20)
);

CREATE TABLE SmsSendTask (
    id INT IDENTITY(1,1) PRIMARY KEY,
    Mobile NVARCHAR(20),
    NoticeMode INT,
    Priority INT,
    NeedTimes INT,
    Content NVARCHAR(400),
    PlanNotice NVARCHAR(20),
    InsertDate NVARCHAR(20),
    OperID NVARCHAR(20),
    VisitID INT,
    NoticeTaskID INT
);

CREATE TABLE SmsSendState (
    TaskID INT PRIMARY KEY,
    State SMALLINT NOT NULL DEFAULT 0,
    Attempts INT NOT NULL DEFAULT 0,
    Sent INT NOT NULL DEFAULT 0,
    Failures INT NOT NULL DEFAULT 0,
    LastTry NVARCHAR(20),
    SentAt NVARCHAR(20),
    Answer NVARCHAR(200)
);

CREATE TABLE SmsReceived (
    id INT IDENTITY(1,1) PRIMARY KEY,
    Mobile NVARCHAR(20),
    ReceivedAt NVARCHAR(20),
    Content NVARCHAR(400),
    InsertDate NVARCHAR(20)
);

-- the next new task, in random order
CREATE INDEX IX_AdNotice_NewTask ON AdNotice (Status, RandomValue, ID);
-- due retries by attempt count
CREATE INDEX IX_AdNotice_RetryDue ON AdNotice (Status, NoticeTimes, NextNotice, ID);
-- due repeats by success count
CREATE INDEX IX_AdNotice_RepeatDue ON AdNotice (Status, SuccTimes, NextNotice, ID);
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
