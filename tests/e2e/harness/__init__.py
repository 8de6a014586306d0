"""Runs end-to-end scenarios: the real Installer.exe under Wine, steered
by the driver program inside the prefix, checked from the host."""
