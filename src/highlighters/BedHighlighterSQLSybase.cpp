// The keyword texts of Sybase.
#include "BedHighlighterSQLKeywords.h"

namespace {

using T = TSQLHighlighter;

constexpr TBedSQLKeywordText kTexts[] = {
    {T::tkKey,
     "absolute,action,add,after,alias,all,allocate,alter,and,any,are,arith_overflow,as,asc,"
     "assertion,async,at,authorization,avg,before,begin,between,bit,bit_length,boolean,both,"
     "breadth,break,browse,bulk,by,call,cascade,cascaded,case,cast,catalog,char,char_convert,"
     "char_length,character,character_length,check,checkpoint,close,clustered,coalesce,collate,"
     "collation,column,commit,completion,compute,confirm,connect,connection,constraint,"
     "constraints,continue,controlrow,convert,corresponding,count,create,cross,current,"
     "current_date,current_time,current_timestamp,current_user,cursor,cycle,data,database,date,"
     "day,dbcc,deallocate,dec,decimal,declare,default,deferrable,deferred,delete,depth,desc,"
     "describe,descriptor,diagnostics,dictionary,dis,disconnect,distinct,domain,double,drop,dummy,"
     "dump,each,else,elseif,en,end,endtran,equals,errlvl,errordata,errorexit,escape,except,"
     "exception,exclusive,exec,execute,exists,exit,exp_row_size,external,extract,false,fetch,"
     "fillfactor,first,float,for,foreign,found,from,full,general,get,global,go,goto,grant,group,"
     "having,holdlock,hour,identity,identity_gap,identity_insert,identity_start,if,ignore,"
     "immediate,in,index,indicator,initially,inner,input,insensitive,insert,install,int,integer,"
     "intersect,interval,into,is,isolation,jar,join,key,kill,language,last,leading,leave,left,"
     "less,level,like,limit,lineno,load,local,lock,loop,lower,match,max,max_rows_per_page,min,"
     "minute,mirror,mirrorexit,modify,module,month,names,national,natural,nchar,new,next,no,"
     "noholdlock,nonclustered,none,not,null,nullif,numeric,numeric_truncation,object,octet_length,"
     "of,off,offsets,oid,old,on,once,online,only,open,operation,operators,option,or,order,others,"
     "outer,output,over,overlaps,pad,parameters,partial,partition,pendant,perm,permanent,plan,"
     "position,precision,preorder,prepare,preserve,primary,print,prior,private,privileges,proc,"
     "procedure,processexit,protected,proxy_table,public,quiesce,raiserror,read,readpast,readtext,"
     "real,reconfigure,recursive,ref,reference,referencing,relative,remove,reorg,replace,"
     "replication,reservepagegap,resignal,restrict,return,returns,revoke,right,role,rollback,"
     "routine,row,rowcount,rows,rule,save,savepoint,schema,scroll,search,second,section,select,"
     "sensitive,sequence,session_user,set,setuser,shared,shutdown,signal,similar,size,smallint,"
     "some,space,sql,sqlcode,sqlerror,sqlexception,sqlstate,statistics,stripe,structure,substring,"
     "sum,syb_identity,syb_restree,system_user,table,temp,temporary,test,textsize,then,there,time,"
     "timestamp,timezone_hour,timezone_minute,to,trailing,tran,transaction,translate,translation,"
     "trigger,trim,true,truncate,tsequal,type,under,union,unique,unknown,unpartition,update,upper,"
     "usage,use,user,user_option,using,value,values,varchar,variable,varying,view,virtual,visible,"
     "wait,waitfor,when,whenever,where,while,with,without,work,write,writetext,year,zone"},
};

}  // namespace

std::span<const TBedSQLKeywordText> BedSQLSybaseKeywords() { return kTexts; }
