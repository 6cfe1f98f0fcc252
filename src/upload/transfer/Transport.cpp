#include "upload/transfer/Transport.h"

#include "upload/transfer/CurlConnection.h"
#include "upload/transfer/DavConnection.h"
#include "upload/transfer/GitModule.h"

std::unique_ptr<TTransport> MakeTransport(TSecurity security) {
    switch (security) {
    case TSecurity::FTP:
    case TSecurity::FTPS:
    case TSecurity::SFTP: return std::make_unique<TCurlConnection>();
    case TSecurity::WebDAVS:
    case TSecurity::WebDAV: return std::make_unique<TDavConnection>();
    case TSecurity::Git: return MakeGitTransport();
    }
    return std::make_unique<TCurlConnection>();
}
