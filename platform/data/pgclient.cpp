#include "platform/data/pgclient.h"

#include <QCoreApplication>

#include <dlfcn.h>
#include <libpq-fe.h>
#include <optional>

// The program reaches libpq through these functions of the same names, which open the library
// the first time a server is used. A program that only ever opens files so starts without
// loading libpq and the twenty libraries it brings (TLS, Kerberos, LDAP), which cost a start
// several milliseconds; and a computer without libpq still opens files.

namespace records {

namespace {

constexpr char kClientLibrary[] = "libpq.so.5";

DataError missing(const char* file, const char* why)
{
    return DataError(ServerClientMissing,
                     QCoreApplication::translate("Data",
                                                 "The PostgreSQL client library %1 could not be loaded (%2). "
                                                 "Install it (the package libpq5) to open an "
                                                 "inventory on a server.")
                         .arg(QString::fromUtf8(file), QString::fromUtf8(why ? why : "")));
}

// The library opened for good, or a DataError with why it cannot be.
void* openLibrary(const char* file)
{
    void* handle = ::dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw missing(file, ::dlerror());
    return handle;
}

struct Client
{
    void* handle = nullptr;
    std::optional<DataError> error;
};

const Client& client()
{
    static const Client loaded = [] {
        Client c;
        try {
            c.handle = openLibrary(kClientLibrary);
        } catch (const DataError& e) {
            c.error = e;
        }
        return c;
    }();
    return loaded;
}

template <class F> F client(const char* name)
{
    const Client& c = client();
    if (!c.handle)
        throw *c.error;
    void* found = ::dlsym(c.handle, name);
    if (!found)
        throw missing(kClientLibrary, ::dlerror());
    return reinterpret_cast<F>(found);
}

} // namespace

void openClientLibrary(const char* file)
{
    ::dlclose(openLibrary(file));
}

} // namespace records

using records::client;

extern "C" {

int PQbackendPID(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQbackendPID)>("PQbackendPID");
    return f(conn);
}

int PQcancel(PGcancel* cancel, char* errbuf, int errbufsize)
{
    static const auto f = client<decltype(&::PQcancel)>("PQcancel");
    return f(cancel, errbuf, errbufsize);
}

void PQclear(PGresult* res)
{
    static const auto f = client<decltype(&::PQclear)>("PQclear");
    return f(res);
}

char* PQcmdTuples(PGresult* res)
{
    static const auto f = client<decltype(&::PQcmdTuples)>("PQcmdTuples");
    return f(res);
}

PGconn* PQconnectdbParams(const char* const* keywords, const char* const* values, int expand_dbname)
{
    static const auto f = client<decltype(&::PQconnectdbParams)>("PQconnectdbParams");
    return f(keywords, values, expand_dbname);
}

int PQconnectionNeedsPassword(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQconnectionNeedsPassword)>("PQconnectionNeedsPassword");
    return f(conn);
}

PQconninfoOption* PQconninfo(PGconn* conn)
{
    static const auto f = client<decltype(&::PQconninfo)>("PQconninfo");
    return f(conn);
}

void PQconninfoFree(PQconninfoOption* connOptions)
{
    static const auto f = client<decltype(&::PQconninfoFree)>("PQconninfoFree");
    return f(connOptions);
}

PQconninfoOption* PQconninfoParse(const char* conninfo, char** errmsg)
{
    static const auto f = client<decltype(&::PQconninfoParse)>("PQconninfoParse");
    return f(conninfo, errmsg);
}

int PQconsumeInput(PGconn* conn)
{
    static const auto f = client<decltype(&::PQconsumeInput)>("PQconsumeInput");
    return f(conn);
}

char* PQdb(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQdb)>("PQdb");
    return f(conn);
}

char* PQerrorMessage(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQerrorMessage)>("PQerrorMessage");
    return f(conn);
}

PGresult* PQexec(PGconn* conn, const char* query)
{
    static const auto f = client<decltype(&::PQexec)>("PQexec");
    return f(conn, query);
}

PGresult* PQexecPrepared(PGconn* conn, const char* stmtName, int nParams, const char* const* paramValues,
                         const int* paramLengths, const int* paramFormats, int resultFormat)
{
    static const auto f = client<decltype(&::PQexecPrepared)>("PQexecPrepared");
    return f(conn, stmtName, nParams, paramValues, paramLengths, paramFormats, resultFormat);
}

void PQfinish(PGconn* conn)
{
    static const auto f = client<decltype(&::PQfinish)>("PQfinish");
    return f(conn);
}

void PQfreeCancel(PGcancel* cancel)
{
    static const auto f = client<decltype(&::PQfreeCancel)>("PQfreeCancel");
    return f(cancel);
}

void PQfreemem(void* ptr)
{
    static const auto f = client<decltype(&::PQfreemem)>("PQfreemem");
    return f(ptr);
}

PGcancel* PQgetCancel(PGconn* conn)
{
    static const auto f = client<decltype(&::PQgetCancel)>("PQgetCancel");
    return f(conn);
}

int PQgetCopyData(PGconn* conn, char** buffer, int async)
{
    static const auto f = client<decltype(&::PQgetCopyData)>("PQgetCopyData");
    return f(conn, buffer, async);
}

PGresult* PQgetResult(PGconn* conn)
{
    static const auto f = client<decltype(&::PQgetResult)>("PQgetResult");
    return f(conn);
}

int PQgetisnull(const PGresult* res, int tup_num, int field_num)
{
    static const auto f = client<decltype(&::PQgetisnull)>("PQgetisnull");
    return f(res, tup_num, field_num);
}

int PQgetlength(const PGresult* res, int tup_num, int field_num)
{
    static const auto f = client<decltype(&::PQgetlength)>("PQgetlength");
    return f(res, tup_num, field_num);
}

char* PQgetvalue(const PGresult* res, int tup_num, int field_num)
{
    static const auto f = client<decltype(&::PQgetvalue)>("PQgetvalue");
    return f(res, tup_num, field_num);
}

char* PQhost(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQhost)>("PQhost");
    return f(conn);
}

int PQisBusy(PGconn* conn)
{
    static const auto f = client<decltype(&::PQisBusy)>("PQisBusy");
    return f(conn);
}

int PQnfields(const PGresult* res)
{
    static const auto f = client<decltype(&::PQnfields)>("PQnfields");
    return f(res);
}

int PQntuples(const PGresult* res)
{
    static const auto f = client<decltype(&::PQntuples)>("PQntuples");
    return f(res);
}

const char* PQparameterStatus(const PGconn* conn, const char* paramName)
{
    static const auto f = client<decltype(&::PQparameterStatus)>("PQparameterStatus");
    return f(conn, paramName);
}

PGPing PQping(const char* conninfo)
{
    static const auto f = client<decltype(&::PQping)>("PQping");
    return f(conninfo);
}

PGPing PQpingParams(const char* const* keywords, const char* const* values, int expand_dbname)
{
    static const auto f = client<decltype(&::PQpingParams)>("PQpingParams");
    return f(keywords, values, expand_dbname);
}

char* PQport(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQport)>("PQport");
    return f(conn);
}

PGresult* PQprepare(PGconn* conn, const char* stmtName, const char* query, int nParams, const Oid* paramTypes)
{
    static const auto f = client<decltype(&::PQprepare)>("PQprepare");
    return f(conn, stmtName, query, nParams, paramTypes);
}

int PQputCopyData(PGconn* conn, const char* buffer, int nbytes)
{
    static const auto f = client<decltype(&::PQputCopyData)>("PQputCopyData");
    return f(conn, buffer, nbytes);
}

int PQputCopyEnd(PGconn* conn, const char* errormsg)
{
    static const auto f = client<decltype(&::PQputCopyEnd)>("PQputCopyEnd");
    return f(conn, errormsg);
}

char* PQresultErrorField(const PGresult* res, int fieldcode)
{
    static const auto f = client<decltype(&::PQresultErrorField)>("PQresultErrorField");
    return f(res, fieldcode);
}

ExecStatusType PQresultStatus(const PGresult* res)
{
    static const auto f = client<decltype(&::PQresultStatus)>("PQresultStatus");
    return f(res);
}

int PQsendQueryPrepared(PGconn* conn, const char* stmtName, int nParams, const char* const* paramValues,
                        const int* paramLengths, const int* paramFormats, int resultFormat)
{
    static const auto f = client<decltype(&::PQsendQueryPrepared)>("PQsendQueryPrepared");
    return f(conn, stmtName, nParams, paramValues, paramLengths, paramFormats, resultFormat);
}

int PQserverVersion(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQserverVersion)>("PQserverVersion");
    return f(conn);
}

PQnoticeReceiver PQsetNoticeReceiver(PGconn* conn, PQnoticeReceiver proc, void* arg)
{
    static const auto f = client<decltype(&::PQsetNoticeReceiver)>("PQsetNoticeReceiver");
    return f(conn, proc, arg);
}

int PQsetSingleRowMode(PGconn* conn)
{
    static const auto f = client<decltype(&::PQsetSingleRowMode)>("PQsetSingleRowMode");
    return f(conn);
}

ConnStatusType PQstatus(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQstatus)>("PQstatus");
    return f(conn);
}

PGTransactionStatusType PQtransactionStatus(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQtransactionStatus)>("PQtransactionStatus");
    return f(conn);
}

char* PQuser(const PGconn* conn)
{
    static const auto f = client<decltype(&::PQuser)>("PQuser");
    return f(conn);
}

} // extern "C"
