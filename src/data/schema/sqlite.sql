-- The database of a new installation on SQLite. A statement ends with ";" at the end of a
-- line. Declared types decide how result columns are read: integer, varchar(n) for text of
-- a fixed length, text for long text, datetime, boolean, double precision, blob.

create table accessories (
  Id integer primary key,
  EqiId integer,
  ProductName varchar(50),
  PartNo varchar(50),
  Madein varchar(50),
  Unit varchar(20),
  ClassA varchar(30),
  S1 varchar(50),
  S2 varchar(50),
  S3 varchar(50),
  F1 double precision,
  F2 double precision,
  F3 double precision,
  Remark varchar(50)
);
create index ix_accessories_eqiid on accessories (EqiId);

create table accidents (
  Id integer primary key,
  AssetId integer,
  AccDate datetime,
  AccDept varchar(50),
  AccClass varchar(50),
  AccProp varchar(50),
  AccMoney double precision,
  AccBrief text,
  Invests text,
  Summery text
);
create index ix_accidents_assetid on accidents (AssetId);

create table [backup] (
  TypeId integer,
  BackDir varchar(255)
);

create table carecords (
  crId integer primary key,
  crAssetId integer,
  crItemId integer,
  crCaredate datetime,
  crCareman varchar(50),
  crCaretents text,
  crCaremarks varchar(250)
);
create index ix_carecords_crassetid on carecords (crAssetId);
create index ix_carecords_critemid on carecords (crItemId);

create table careitems (
  ciId integer primary key,
  ciAssetId integer,
  ciCarename varchar(50),
  ciCareitem varchar(50),
  ciPlanhours double precision,
  ciFixedays integer,
  ciCareworks text,
  ciLastCareId integer
);
create index ix_careitems_ciassetid on careitems (ciAssetId);

create table changes (
  Id integer primary key,
  AssetId integer,
  ChgDate datetime,
  ChgReason varchar(50),
  ItmLabel varchar(50),
  ItmValue1 varchar(50),
  ItmValue2 varchar(50),
  FldIdx integer,
  FldValue1 varchar(50),
  FldValue2 varchar(50),
  Chgman varchar(50),
  Billman varchar(50),
  BillTime datetime,
  Sanctionman varchar(50),
  SanctionTime datetime,
  Remarks varchar(250)
);
create index ix_changes_assetid on changes (AssetId);

create table coderight (
  LoginId varchar(50) primary key,
  IsFree boolean,
  Prefix varchar(50),
  Postfix varchar(50),
  BeginInt integer,
  EndInt integer,
  Digit integer,
  DeptSql varchar(150),
  ValueVisible boolean,
  PartnoVisible boolean,
  FactoryVisible boolean,
  DayEdit boolean,
  ChangeHint boolean,
  Notes varchar(200)
);

create table codes (
  Id integer primary key,
  Kind varchar(50),
  Label varchar(50),
  Code varchar(50),
  MaxId integer,
  Digit integer
);

create table Company (
  Id integer primary key,
  CompanyName varchar(100),
  Manager varchar(50),
  Tel varchar(50),
  Fax varchar(50),
  Address varchar(200),
  Zip varchar(20),
  Profile text,
  UseCount integer,
  Updated boolean
);

create table department (
  Code varchar(50) primary key,
  Name varchar(30),
  [Note] varchar(50)
);

create table doc (
  Id integer primary key autoincrement,
  Title varchar(100),
  Source varchar(255),
  DocData blob,
  [Note] varchar(255)
);

-- Links equipment to catalogue codes; the equipment search reads it by code prefix.
create table eqiclass (
  EqiId integer not null,
  CataId varchar(50) not null,
  primary key (EqiId, CataId)
);
create index ix_eqiclass_cataid on eqiclass (CataId collate nocase);

create table eqievents (
  Id integer primary key,
  EqiId integer,
  EvnDate datetime,
  Details text
);
create index ix_eqievents_eqiid on eqievents (EqiId);

create table eqifile (
  Id integer primary key,
  EqiId integer,
  GetDate datetime,
  Subject varchar(50),
  FileName varchar(250),
  FileData blob,
  Handman varchar(20),
  Remarks text
);
create index ix_eqifile_eqiid on eqifile (EqiId);

create table eqimages (
  Id integer primary key,
  EqiId integer,
  Ext varchar(20),
  Subject varchar(30),
  Photo blob
);
create index ix_eqimages_eqiid on eqimages (EqiId);

create table equiplogs (
  Id integer primary key,
  EquipId integer,
  Updateman varchar(20),
  UpdateTime datetime,
  ComputName varchar(50),
  ComputIp varchar(20)
);
create index ix_equiplogs_equipid on equiplogs (EquipId);

create table equiplogsdl (
  Id integer primary key,
  LogId integer,
  FldName varchar(50),
  FldLabel varchar(50),
  OldValue text,
  NewValue text
);
create index ix_equiplogsdl_logid on equiplogsdl (LogId);

create table equipments (
  Id integer primary key,
  Code varchar(30),
  EqiName varchar(50),
  PartNo varchar(50),
  MainCode varchar(50),
  Manufactory varchar(50),
  ClassA varchar(30),
  ClassB varchar(30),
  ClassC varchar(30),
  ClassD varchar(30),
  ClassE varchar(30),
  ClassF varchar(30),
  DurableYears integer,
  Weight double precision,
  Power double precision,
  Jcoefficient double precision,
  Dcoefficient double precision,
  Rcoefficient double precision,
  BuyDate datetime,
  ChkAcpt varchar(20),
  Status varchar(20),
  UseDeptId varchar(50),
  FixPlace varchar(50),
  FactoryDate datetime,
  FactoryCode varchar(50),
  UseDate datetime,
  FundSource varchar(50),
  Functionary varchar(20),
  OriginalValue double precision,
  Remark text,
  FinanceType varchar(20),
  DepreciationYears varchar(20),
  Str1 varchar(50),
  Str2 varchar(50),
  Str3 varchar(50),
  Str4 varchar(50),
  Str5 varchar(50),
  Str6 varchar(50),
  Str7 varchar(50),
  Float1 double precision,
  Float2 double precision,
  Float3 double precision,
  [Float4] double precision,
  Float5 double precision,
  Float6 double precision,
  Float7 double precision,
  [Float8] double precision,
  Float9 double precision,
  Date1 datetime,
  Date2 datetime,
  Date3 datetime,
  Addman varchar(30),
  AddTime datetime,
  Paras varchar(255),
  Configs text
);
-- Code and department are searched by prefix with a case-insensitive like.
create index ix_equipments_code on equipments (Code collate nocase);
create index ix_equipments_usedeptid on equipments (UseDeptId collate nocase);
create index ix_equipments_status on equipments (Status);

create table keyvalue (
  KeyId integer primary key,
  [Value] text,
  Vstr text,
  Vint integer,
  Vfloat double precision,
  Vbool boolean
);

create table link (
  Id integer primary key autoincrement,
  GroupId integer,
  Title varchar(100),
  lpFile varchar(255),
  lpParameters varchar(255),
  [Note] varchar(255)
);

create table logs (
  Id integer primary key,
  Actname varchar(50),
  Details text,
  Results varchar(20),
  Handman varchar(30),
  Logtime datetime,
  ComputName varchar(50),
  ComputIp varchar(20)
);
create index ix_logs_logtime on logs (Logtime);

create table operator (
  LoginId varchar(50) primary key,
  [Password] varchar(50),
  Name varchar(50),
  Contact varchar(100),
  [Note] varchar(200),
  Rights text
);

create table options (
  [Key] integer primary key,
  List text
);

create table partfixs (
  Id integer primary key,
  PartId integer,
  EqiId integer,
  Fixtime datetime,
  Fixman varchar(30),
  FixQty double precision,
  Unfixtime datetime,
  Unfixman varchar(30),
  UnfixReason varchar(50),
  Remarks text
);
create index ix_partfixs_partid on partfixs (PartId);
create index ix_partfixs_eqiid on partfixs (EqiId);

create table partin (
  Id integer primary key,
  Indate datetime,
  Intype varchar(30),
  Incode varchar(30),
  Inout integer,
  Handman varchar(30),
  Billman varchar(30),
  BillTime datetime,
  Notes text,
  Stateid integer,
  Receman varchar(30),
  Recedate datetime
);

create table partindl (
  dlId integer primary key,
  InId integer,
  PartId integer,
  Qty double precision,
  QtyA double precision,
  dlNote varchar(250)
);
create index ix_partindl_inid on partindl (InId);
create index ix_partindl_partid on partindl (PartId);

create table partrepairs (
  Id integer primary key,
  PartId integer,
  RepairDate datetime,
  Troubles text,
  RepairDetails text,
  Repairman varchar(20),
  CostTime double precision,
  CostMoney double precision,
  Notes varchar(250)
);
create index ix_partrepairs_partid on partrepairs (PartId);

create table parts (
  Id integer primary key,
  ClassA varchar(30),
  Status varchar(20),
  S1 varchar(50),
  S2 varchar(50),
  S3 varchar(50),
  S4 varchar(50),
  S5 varchar(50),
  S6 varchar(50),
  S7 varchar(50),
  S8 varchar(50),
  F1 double precision,
  F2 double precision,
  F3 double precision,
  F4 double precision,
  F5 double precision,
  Remarks text,
  MinQty double precision
);

create table partuse (
  dlId integer primary key,
  RepairId integer,
  CarecordId integer,
  PartId integer,
  Qty double precision,
  dlNote varchar(50)
);
create index ix_partuse_repairid on partuse (RepairId);
create index ix_partuse_carecordid on partuse (CarecordId);
create index ix_partuse_partid on partuse (PartId);

create table repairs (
  Id integer primary key,
  EqiId integer,
  SendDate datetime,
  Trouble text,
  Handman varchar(20),
  Sanctionman varchar(20),
  SancTime datetime,
  SancOpinions text,
  RepairDate datetime,
  RepairClass varchar(20),
  RepairFactory varchar(50),
  Repairmans varchar(50),
  RepairDetails text,
  RepairCost double precision,
  RepairHours double precision,
  Remark varchar(250)
);
create index ix_repairs_eqiid on repairs (EqiId);

create table report (
  Id integer primary key,
  GrpId integer,
  Title varchar(100),
  Fr3File blob
);
create index ix_report_grpid on report (GrpId);

create table syscols (
  F02 integer primary key,
  F06 text
);

create table systatus (
  Id integer primary key,
  Status varchar(50),
  ForceColor varchar(50)
);

create table upgrade (
  Id integer primary key,
  Version varchar(50),
  SqlText text
);

-- Care items with the columns of their equipment, under the names the other lists use.
create view Vcareitems as
select c.ciId, c.ciAssetId, c.ciCarename, c.ciCareitem, c.ciPlanhours, c.ciFixedays,
  c.ciCareworks, c.ciLastCareId,
  e.Code as AssetCode, e.EqiName as AssetName, e.PartNo as AssetPartno,
  e.Manufactory as AssetManufactory, e.UseDeptId, e.FixPlace as AssetFixplace,
  e.Functionary as AssetFunctionary,
  e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC,
  e.ClassD as AssetClassD, e.ClassE as AssetClassE, e.ClassF as AssetClassF
from careitems c left join equipments e on e.Id = c.ciAssetId;

-- Installations stay listed when their part or equipment is gone.
create view PartfixsQuery as
select f.Id, f.PartId, f.EqiId, f.Fixtime, f.Fixman, f.FixQty, f.Unfixtime, f.Unfixman,
  f.UnfixReason, f.Remarks,
  p.S1 as PartS1, p.S2 as PartS2, p.S3 as PartS3, p.S4 as PartS4,
  p.S5 as PartS5, p.S6 as PartS6, p.S7 as PartS7, p.S8 as PartS8,
  e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.PartNo as AssetPartno,
  e.Manufactory as AssetManufactory, e.UseDeptId, e.FixPlace as AssetFixplace,
  e.Functionary as AssetFunctionary,
  e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC,
  e.ClassD as AssetClassD, e.ClassE as AssetClassE, e.ClassF as AssetClassF
from partfixs f
  left join parts p on p.Id = f.PartId
  left join equipments e on e.Id = f.EqiId;

create view PartrepairsQuery as
select r.Id, r.PartId, r.RepairDate, r.Troubles, r.RepairDetails, r.Repairman, r.CostTime,
  r.CostMoney, r.Notes,
  p.S1 as PartS1, p.S2 as PartS2, p.S3 as PartS3
from partrepairs r left join parts p on p.Id = r.PartId;

insert into Company (Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, UseCount, Updated)
values (0, '', '', '', '', '', '', '', 0, 0);

insert into operator (LoginId, [Password], Name, Contact, [Note], Rights)
values ('sa', '', '系统管理员', '', '', '');

-- The labels of the user-defined columns; the other options are unused and stay empty.
insert into options ([Key], List) values
  (0, ''), (1, ''), (2, ''), (3, ''), (4, ''), (5, ''), (6, ''), (7, ''), (8, ''), (9, ''),
  (10, ''), (11, ''), (12, ''), (13, ''), (14, ''), (15, ''), (16, ''), (17, ''), (18, ''),
  (19, ''), (20, ''), (21, ''), (22, ''), (23, ''), (24, ''),
  (25, '字符型1'), (26, '字符型2'), (27, '字符型3'), (28, '字符型4'), (29, '字符型5'),
  (30, '字符型6'),
  (31, '数字型1'), (32, '数字型2'), (33, '数字型3'), (34, '数字型4'), (35, '数字型5'),
  (36, '数字型6'), (37, '数字型7'), (38, '数字型8'), (39, '数字型9'),
  (40, '日期型1'), (41, '日期型2'), (42, '日期型3'),
  (43, '字符型1'), (44, '字符型2'), (45, '字符型3'), (46, ''),
  (47, '数字型1'), (48, '数字型2'), (49, '数字型3'),
  (50, ''), (51, ''), (52, ''), (53, ''), (54, ''),
  (55, '字符型5'), (56, '字符型6'), (57, '字符型7'), (58, '字符型8'),
  (59, '数字型1'), (60, '数字型2'), (61, '数字型3'), (62, '数字型4'), (63, '数字型5'),
  (64, ''), (65, '字符型7');

-- Feedback at exit and the tip of the day are read through [Value]; the class level names
-- and switches through the typed columns, written as the program writes them.
insert into keyvalue (KeyId, [Value], Vstr, Vint, Vfloat, Vbool) values
  (0, 0, null, null, null, null),
  (1, 0, null, null, null, null),
  (12, null, '类别一', 0, 0, 1),
  (13, null, '类别二', 0, 0, 1),
  (14, null, '类别三', 0, 0, 1),
  (15, null, '类别四', 0, 0, 1),
  (16, null, '类别五', 0, 0, 1),
  (17, null, '类别六', 0, 0, 1),
  (68, null, '', 0, 0, 1),
  (69, null, '', 0, 0, 1),
  (70, null, '', 0, 0, 1),
  (71, null, '', 0, 0, 1),
  (72, null, '', 0, 0, 1),
  (73, null, '', 0, 0, 1);

insert into [backup] (TypeId, BackDir) values (0, '');

insert into systatus (Id, Status, ForceColor) values
  (1, '在用', 'clBlack'),
  (2, '闲置', 'clBlue'),
  (3, '维修', 'clRed'),
  (4, '报废', 'clGray');

-- Columns of the lists until an operator saves a layout of his own.
insert into syscols (F02, F06) values (1, 'Code=True90
EqiName=True120
PartNo=True100
Manufactory=True110
UseDeptPath=True150
FixPlace=True100
Status=True60
Functionary=True70
BuyDate=True80
UseDate=True80
OriginalValue=True80
ClassA=True80
ClassB=True80
');
insert into syscols (F02, F06) values (100, 'AssetCode=True90
AssetName=True120
UseDeptPath=True150
ChgDate=True90
ItmLabel=True80
ItmValue1=True120
ItmValue2=True120
ChgReason=True120
Chgman=True70
Billman=True70
BillTime=True130
Sanctionman=True70
SanctionTime=True130
Remarks=True150
');
insert into syscols (F02, F06) values (101, 'Id=True50
AssetCode=True80
AssetName=True100
AssetPartno=True80
UseDeptPath=True120
RepairSendDate=True80
RepairTrouble=True200
RepairDate=True80
RepairClass=True70
RepairFactory=True100
Repairmans=True80
RepairCost=True70
RepairHours=True60
RepairHandman=True70
RepairSanctionman=True70
');
insert into syscols (F02, F06) values (102, 'RepairSendDate=True80
RepairTrouble=True200
RepairDate=True80
RepairClass=True70
RepairFactory=True100
Repairmans=True80
RepairDetails=True200
RepairCost=True70
RepairHours=True60
RepairHandman=True70
');
insert into syscols (F02, F06) values (103, 'ChgDate=True90
ItmLabel=True80
ItmValue1=True120
ItmValue2=True120
ChgReason=True120
Chgman=True70
Billman=True70
BillTime=True130
Sanctionman=True70
SanctionTime=True130
Remarks=True150
');
insert into syscols (F02, F06) values (117, 'EqiCode=True90
EqiName=True120
EqiPartNo=True100
FldLabel=True90
OldValue=True150
NewValue=True150
Updateman=True70
UpdateTime=True140
ComputName=True100
');
insert into syscols (F02, F06) values (136, 'FldLabel=True90
OldValue=True150
NewValue=True150
Updateman=True70
UpdateTime=True140
ComputName=True100
');
insert into syscols (F02, F06) values (137, 'Logtime=True140
Handman=True70
Actname=True110
Results=True50
Details=True300
ComputName=True100
');
insert into syscols (F02, F06) values (112, 'S1=True90
S2=True120
S3=True100
S4=True100
ClassA=True70
Status=True60
StockQty=True60
MinQty=True70
MinQtyR=True70
BuyingQty=True70
InedQty=True70
UsedQty=True60
Remarks=True150
');
insert into syscols (F02, F06) values (114, 'Id=True40
PartS1=True90
PartS2=True100
PartS3=True80
RepairDate=True80
Troubles=True150
RepairDetails=True150
Repairman=True60
CostTime=True60
CostMoney=True70
Notes=True120
');
insert into syscols (F02, F06) values (116, 'Id=True40
PartS1=True90
PartS2=True100
PartS3=True80
AssetCode=True80
AssetName=True100
AssetPartno=True90
UseDeptName=True90
Fixtime=True110
Fixman=True60
FixQty=True50
Unfixtime=True110
Unfixman=True60
UnfixReason=True100
Runtimes=True70
Remarks=True150
');
insert into syscols (F02, F06) values (145, 'Indate=True90
Incode=True90
Intype=True80
方向txt=True50
PartS1=True90
PartS2=True120
PartS3=True100
Qty=True70
QtyA=True70
QtyR=True70
dlNote=True150
Handman=True70
Receman=True70
InId=True50
');
insert into syscols (F02, F06) values (147, 'Id=True50
Indate=True90
Incode=True90
Intype=True80
InoutText=True50
Handman=True70
Notes=True180
Receman=True70
Recedate=True130
Billman=True70
BillTime=True130
');
insert into syscols (F02, F06) values (123, 'AssetCode=True90
AssetName=True120
AssetPartno=True100
UseDeptPath=True150
AccDate=True90
AccDept=True100
AccClass=True70
AccProp=True80
AccMoney=True80
AccBrief=True200
Invests=True150
Summery=True150
');
insert into syscols (F02, F06) values (130, 'Catalog=True90
Object=True150
Tqty=True70
Tqrate=True90
Tfund=True100
Tfrate=True90
');
insert into syscols (F02, F06) values (133, 'AccDate=True90
AccDept=True100
AccClass=True70
AccProp=True80
AccMoney=True80
AccBrief=True200
Invests=True150
Summery=True150
');
insert into syscols (F02, F06) values (139, 'ciCarename=True100
ciCareitem=True100
ciFixedays=True60
ciPlanhours=True60
crCaredate=True80
NextCaredate=True80
crCareman=True70
crCaretents=True200
ciCareworks=True200
');
insert into syscols (F02, F06) values (140, 'AssetCode=True80
AssetName=True100
AssetPartno=True80
UseDeptPath=True120
ciCarename=True100
ciCareitem=True100
ciFixedays=True60
ciPlanhours=True60
crCaredate=True80
NextCaredate=True80
crCareman=True70
crCaretents=True200
ciCareworks=True200
');
insert into syscols (F02, F06) values (141, 'crCaredate=True80
AssetCode=True80
AssetName=True100
AssetPartno=True80
UseDeptPath=True120
ciCarename=True100
ciCareitem=True100
crCareman=True70
crCaretents=True250
ciFixedays=True60
ciPlanhours=True60
');
insert into syscols (F02, F06) values (142, 'crCaredate=True80
ciCarename=True100
ciCareitem=True100
crCareman=True70
crCaretents=True250
ciPlanhours=True60
');
insert into syscols (F02, F06) values (106, 'AssetCode=True90
AssetName=True120
UseDeptPath=True150
AssetStatus=True60
ProductName=True120
PartNo=True100
Madein=True80
Unit=True50
ClassA=True80
S1=True80
S2=True80
S3=True80
F1=True70
F2=True70
F3=True70
Remark=True120
');
insert into syscols (F02, F06) values (107, 'ProductName=True120
PartNo=True100
Madein=True80
Unit=True50
ClassA=True80
S1=True80
S2=True80
S3=True80
F1=True70
F2=True70
F3=True70
Remark=True150
');
insert into syscols (F02, F06) values (109, 'GetDate=True80
Subject=True80
FileNameCalc=True160
Handman=True70
Remarks=True200
FileName=True250
');
insert into syscols (F02, F06) values (121, 'EvnDate=True80
Details=True420
');

insert into codes (Id, Kind, Label, Code, MaxId, Digit) values
  (1, '设备编号', '设备', 'SB', 0, 6);
