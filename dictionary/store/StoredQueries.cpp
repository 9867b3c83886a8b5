#include "StoredQueries.h"

#include <cstdint>

#include "Utf8.h"
#include "access/Command.h"
#include "access/DataError.h"

namespace sindhikit {

using namespace dataaccess;

Recordset RunStoredQuery(const Connection& connection, const StoredQuery& query, FieldValue value) {
    Command command;
    command.ActiveConnection = connection;
    command.CommandType = adCmdStoredProc;
    command.CommandText = std::u16string(query.name);
    command.Parameters().Append(command.CreateParameter(query.parameter, adLongVarWChar, adParamInput, 255));
    command.Parameters(query.parameter).Value = std::move(value);
    std::int64_t recordsAffected = 0;
    Recordset rows = command.Execute(recordsAffected, adOptionUnspecified);
    for (std::u16string_view column : query.columns)
        if (!rows.HasField(column))
            throw DataError(ErrorNumber::ItemNotFound, "The stored query '" + Utf16ToUtf8(query.name) +
                                                           "' returns no column '" + Utf16ToUtf8(column) + "'");
    return rows;
}

}  // namespace sindhikit
