#!/usr/bin/env python
# Zálohuje adresáøe uvedené v konfiguraci a vypíše souhrn.
# Ukázka bìžného kódu v Pythonu: tøídy, funkce, slovníky, soubory a výjimky.
import os
import shutil
import time

NASTAVENI = {
	"zdroj": "/home/uzivatel/dokumenty",
	"cil": "/mnt/zaloha",
	"vynechat": ["tmp", "cache", "kos"],
	"podrobne": 1,
}

class Zaloha:
	"""Zkopíruje soubory jednoho adresáøe do cílového adresáøe."""

	def __init__(self, zdroj, cil, vynechat):
		self.zdroj = zdroj
		self.cil = cil
		self.vynechat = vynechat
		self.pocet = 0
		self.celkem = 0

	def seznam(self):
		# Vrátí seøazený seznam souborù bez tìch, které se mají vynechat.
		soubory = []
		for jmeno in os.listdir(self.zdroj):
			if jmeno in self.vynechat:
				continue
			soubory.append(os.path.join(self.zdroj, jmeno))
		soubory.sort()
		return soubory

	def zkopiruj(self, soubor):
		try:
			shutil.copy(soubor, self.cil)
		except IOError, chyba:
			print "Kopírování souboru %s selhalo: %s" % (soubor, chyba)
			return 0
		return os.path.getsize(soubor)

	def proved(self, podrobne):
		for soubor in self.seznam():
			if not os.path.isfile(soubor):
				continue
			self.celkem = self.celkem + self.zkopiruj(soubor)
			self.pocet = self.pocet + 1
			if podrobne:
				print "%-40s zkopírován" % soubor

datum = time.strftime("%Y-%m-%d", time.localtime())
cil = os.path.join(NASTAVENI["cil"], datum)
if not os.path.isdir(cil):
	os.makedirs(cil)
zaloha = Zaloha(NASTAVENI["zdroj"], cil, NASTAVENI["vynechat"])
zaloha.proved(NASTAVENI["podrobne"])
print "Zkopírováno %d souborù, celkem %.1f kB." % (zaloha.pocet, zaloha.celkem / 1024.0)
