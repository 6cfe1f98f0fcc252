#pragma once
// The question the upload asks when a server's certificate or host key is
// not trusted: what is wrong, the key's fingerprint, and the choice between
// "Trust this server from now on" and "Cancel". A changed SFTP host key is
// not asked about: a warning says the upload (or the server test) was
// stopped.

struct TTrustQuestion;
class QWidget;

// Who asks: the warning about a changed key says what was stopped.
enum class TTrustAsker { Upload, ServerTest };

// True when the user trusts the key shown.
bool AskToTrustServer(QWidget* parent, const TTrustQuestion& question, TTrustAsker asker = TTrustAsker::Upload);
