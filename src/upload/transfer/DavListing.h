#pragma once
// A WebDAV folder listing: the reply to PROPFIND with "Depth: 1".

#include "upload/transfer/Listing.h"

#include <QByteArray>
#include <vector>

// The entries of `folderPath` (the URL path asked for, percent-encoded,
// ending in "/") in the multi-status reply `xml`. The folder itself, and
// every entry that is not directly inside it (another server's address, a
// deeper path, "." or ".."), are left out; names come decoded. False
// when the reply is not a well-formed multi-status.
bool ParseDavListing(const QByteArray& xml, const QByteArray& folderPath, std::vector<TRemoteEntry>& out);

// The request body that asks for what a listing needs.
QByteArray DavListingQuery();
