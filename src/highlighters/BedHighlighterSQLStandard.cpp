// The keyword texts of the SQL standard.
#include "BedHighlighterSQLKeywords.h"

namespace {

using T = TSQLHighlighter;

constexpr TBedSQLKeywordText kTexts[] = {
    {T::tkKey,
     "active,after,all,alter,and,any,as,asc,at,avg,before,begin,between,blob,by,cascade,cast,char,"
     "character,check,collate,column,commit,committed,connect,constraint,count,create,current,"
     "cursor,database,date,dec,decimal,declare,default,delete,desc,distinct,domain,double,drop,"
     "else,end,escape,exception,execute,exists,external,extract,float,for,foreign,from,full,"
     "function,grant,group,having,in,index,inner,insert,integer,into,is,isolation,join,key,left,"
     "like,max,min,natural,not,null,numeric,of,on,only,option,or,order,outer,parameter,position,"
     "primary,procedure,read,real,references,restrict,return,returns,revoke,right,role,rollback,"
     "schema,select,set,smallint,some,sum,table,then,time,timestamp,to,transaction,trigger,union,"
     "unique,update,upper,user,using,values,varchar,varying,view,when,where,with,work,write"},
};

}  // namespace

std::span<const TBedSQLKeywordText> BedSQLStandardKeywords() { return kTexts; }
