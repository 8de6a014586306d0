"""The scenarios, one module per part of the installer they exercise."""
