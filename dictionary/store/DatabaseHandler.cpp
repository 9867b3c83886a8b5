#include "DatabaseHandler.h"

#include "StoreLocation.h"
#include "access/ConnectionString.h"
#include "access/DataError.h"

#ifdef _WIN32
#include "APICalls.h"
#endif

namespace sindhikit {

dataaccess::Connection StoreConnection;

namespace {

constexpr std::u16string_view kPrefix = u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
constexpr std::u16string_view kSuffix = u";Mode=Read;Persist Security Info=False";

void OpenStoreConnection(const std::u16string& connectionString) {
    if (StoreConnection.IsOpen())
        throw dataaccess::DataError(dataaccess::ErrorNumber::NotAllowed,
                                    "StoreConnection is already open: the store is connected once");
    StoreConnection.Open(connectionString, u"", u"");
}

}  // namespace

std::u16string StoreConnectionString(std::u16string_view windowsFolder) {
    std::u16string text(kPrefix);
    text += StorePathInWindowsFolder(windowsFolder);
    text += kSuffix;
    return text;
}

std::u16string StoreConnectionStringForPath(std::u16string_view storePath) {
    std::u16string text(kPrefix);
    text += dataaccess::QuoteConnectionValue(storePath);
    text += kSuffix;
    return text;
}

#ifdef _WIN32
void ConnectStore() {
    OpenStoreConnection(StoreConnectionString(GetWindowsFolder()));
}
#endif

void ConnectStoreAt(std::u16string_view storePath) {
    OpenStoreConnection(StoreConnectionStringForPath(storePath));
}

}  // namespace sindhikit
