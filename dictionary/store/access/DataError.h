// The error object of the data-access layer: a number and a description, as the
// platform's data-access objects raise them. The numbers are those ADO and the Jet
// provider use for the same conditions, so callers that test numbers keep working.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sindhikit::dataaccess {

enum class ErrorNumber : std::int32_t {
    // Jet: file missing, unreadable, not a database, truncated or corrupt.
    Unspecified = static_cast<std::int32_t>(0x80004005),
    // Jet: a stored query or table the statement names does not exist.
    ObjectNotFound = static_cast<std::int32_t>(0x80040E37),
    // Jet: the statement cannot be prepared (syntax, unknown column).
    CommandError = static_cast<std::int32_t>(0x80040E14),
    // Jet: a parameter of the query has no value.
    MissingParameterValue = static_cast<std::int32_t>(0x80040E10),
    // OLE DB: permission denied (a stored query reaches for what the store may not use).
    PermissionDenied = static_cast<std::int32_t>(0x80040E09),
    // OLE DB: execution stopped because a resource limit was reached (time, rows, memory).
    ResourceLimit = static_cast<std::int32_t>(0x80040E31),
    // ADO: item not found in a collection (field or parameter name).
    ItemNotFound = 3265,
    // ADO: either BOF or EOF is true (no current record).
    NoCurrentRecord = 3021,
    // ADO: operation not allowed when the object is closed.
    ObjectClosed = 3704,
    // ADO: the connection cannot be used (not open).
    ConnectionNotUsable = 3709,
    // ADO: provider cannot be found.
    ProviderNotFound = 3706,
    // ADO: arguments of the wrong type, out of range or in conflict.
    InvalidArgument = 3001,
    // ADO: operation not allowed in this context (e.g. a second open).
    NotAllowed = 3219,
};

class DataError : public std::runtime_error {
 public:
    DataError(ErrorNumber number, const std::string& description) : std::runtime_error(description), number_(number) {}

    ErrorNumber Number() const noexcept { return number_; }
    // UTF-8 text of the error.
    std::string Description() const { return what(); }

 private:
    ErrorNumber number_;
};

}  // namespace sindhikit::dataaccess
