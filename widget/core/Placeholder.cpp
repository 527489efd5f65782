// placeholder so the core library is never empty
