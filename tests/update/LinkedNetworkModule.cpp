// The tests link the network module in, in place of loading it from beside the program.
#include <QtPlugin>

Q_IMPORT_PLUGIN(NetworkModule)
